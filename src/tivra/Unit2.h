#pragma once
// The generator window: game, count, range and filter choices, the ticket
// count, the own-ticket row, the ticket list, the progress gauge, the list
// commands, and the three panels (draw check, forbidden numbers, sure
// numbers) that open over it.
#include <vector>

#include "forms/application.h"
#include "forms/controls.h"
#include "forms/dialogs.h"
#include "forms/form.h"

namespace tivra {

class TForm2 : public forms::Form {
 public:
  explicit TForm2(forms::Application& app);

  // Game, count, range and filter choices with their labels.
  forms::Label Label2{*this, "Label2"};
  forms::ComboBox ComboBox1{*this, "ComboBox1"};
  forms::Label Label5{*this, "Label5"};
  forms::ComboBox ComboBox2{*this, "ComboBox2"};
  forms::Label Label8{*this, "Label8"};
  forms::ComboBox ComboBox3{*this, "ComboBox3"};
  forms::Label Label9{*this, "Label9"};
  forms::ComboBox ComboBox4{*this, "ComboBox4"};

  // Ticket count, start and stop of a run, duplicate control.
  forms::Label Label1{*this, "Label1"};
  forms::Edit Edit1{*this, "Edit1"};
  forms::Button Button4{*this, "Button4"};
  forms::BitBtn BitBtn3{*this, "BitBtn3"};
  forms::Label Label10{*this, "Label10"};
  forms::CheckBox CheckBox1{*this, "CheckBox1"};
  forms::Label Label14{*this, "Label14"};

  forms::Separator Separator1{*this, "Separator1"};

  // The own-ticket row: serial field and ten number fields.
  forms::Label Label6{*this, "Label6"};
  forms::Label Label7{*this, "Label7"};
  forms::Edit Edit33{*this, "Edit33"};
  forms::Edit Edit23{*this, "Edit23"};
  forms::Edit Edit24{*this, "Edit24"};
  forms::Edit Edit25{*this, "Edit25"};
  forms::Edit Edit26{*this, "Edit26"};
  forms::Edit Edit27{*this, "Edit27"};
  forms::Edit Edit28{*this, "Edit28"};
  forms::Edit Edit29{*this, "Edit29"};
  forms::Edit Edit30{*this, "Edit30"};
  forms::Edit Edit31{*this, "Edit31"};
  forms::Edit Edit32{*this, "Edit32"};
  forms::Button Button8{*this, "Button8"};

  forms::Separator Separator2{*this, "Separator2"};

  // The ticket list and its commands.
  forms::TextListBox TextListBox1{*this, "TextListBox1"};
  forms::Button Button10{*this, "Button10"};
  forms::Gauge Gauge1{*this, "Gauge1"};
  forms::Button Button1{*this, "Button1"};
  forms::Button Button7{*this, "Button7"};
  forms::Button Button3{*this, "Button3"};
  forms::Button Button2{*this, "Button2"};

  // Panels over the main area, all hidden at start-up: forbidden numbers,
  // sure numbers, and the draw check (made last so that it lies on top).
  forms::Panel Panel2{*this, "Panel2"};
  forms::Panel Panel3{*this, "Panel3"};
  forms::Panel Panel1{*this, "Panel1"};

  forms::SaveDialog SaveDialog1{App()};
  forms::OpenDialog OpenDialog1{App()};

  // Set by the stop button; a run checks it before every ticket attempt.
  bool StopRequested = false;

  // The game choice's handler: applies the picked game's count and range.
  void ApplyGamePreset();
  // "Zatvoriť": closes the window (FormClose does the rest).
  void Button2Click();
  // Runs however the window closes: releases the input lock and hides the
  // draw-check panel.
  void FormClose(forms::CloseAction& action);

  // Releases the input lock: every input it covers becomes usable again.
  void EnableInputs();
  // The inputs the lock covers.
  std::vector<forms::Control*> LockedInputs();
};

}  // namespace tivra
