// A small program on the FLTK back-end for the real-window tests: one form
// with a control of most kinds. It prints the place of every control when the
// form is shown ("control <name> <left> <top> <width> <height>", client
// coordinates) and one line per handler that runs, so a script driving it
// with xdotool can aim at controls and check what happened.
#include <iostream>
#include <memory>
#include <string>

#include "forms/application.h"
#include "forms/dialogs.h"
#include "forms/fltk/FltkBackend.h"
#include "forms/form.h"
#include "platform/clock.h"
#include "platform/cp1250.h"

namespace {

using platform::Cp1250ToUtf8;
using platform::W;

void Say(const std::string& line) { std::cout << line << std::endl; }

// A modal dialog without a close box, centred on the main form.
class DemoDialog : public forms::Form {
 public:
  explicit DemoDialog(forms::Application& app) : Form(app, "TDemoDialog") {
    Caption = W("Dialóg");
    ClientWidth = 180;
    ClientHeight = 90;
    Position = forms::FormPosition::MainFormCenter;
    Icons.SystemMenu = false;
    Label1.Caption = W("Žiadny výber");
    Label1.SetBounds(16, 16, 0, 0);
    Button1.Caption = "Ok";
    Button1.SetBounds(52, 52, 75, 25);
    Button1.OnClick = [this] { Close(); };
    OnClose = [](forms::CloseAction&) { Say("DialogClose"); };
    OnShow = [this] {
      Say("control " + Name + ".Button1 " + std::to_string(Button1.FormLeft()) + " " +
          std::to_string(Button1.FormTop()) + " 75 25");
    };
  }

 private:
  forms::Label Label1{*this, "Label1"};
  forms::Button Button1{*this, "Button1"};
};

class DemoForm : public forms::Form {
 public:
  DemoForm(forms::Application& app, DemoDialog*& dialog, std::string folder, bool dialog_first)
      : Form(app, "TDemoForm"),
        dialog_(dialog),
        folder_(std::move(folder)),
        dialog_first_(dialog_first) {
    Caption = W("Ukážka formulára");
    ClientWidth = 330;
    ClientHeight = 300;
    Position = forms::FormPosition::DesktopCenter;
    Picture = "Background";
    Icons.SystemMenu = true;

    Label1.Caption = W("Počet čísel:");
    Label1.SetBounds(16, 13, 0, 0);
    ComboBox1.SetBounds(120, 8, 150, 22);
    for (const char* item : {"Žiadny", "Párne čísla", "Nepárne čísla"})
      ComboBox1.Items.Add(W(item));
    ComboBox1.ItemIndex = 0;  // from code: fires nothing
    ComboBox1.OnChange = [this] { Say("ComboBox1Change " + std::to_string(ComboBox1.ItemIndex)); };

    Edit1.SetBounds(120, 36, 73, 21);
    Edit1.Text = "100";
    // Digits only: other keys are swallowed by the key handler.
    Edit1.OnKeyPress = [](char& key) {
      if (key != '\b' && (key < '0' || key > '9')) key = 0;
    };
    Edit1.OnChange = [this] { Say("Edit1 " + Edit1.Text); };
    Button1.Caption = "Vytvor";
    Button1.SetBounds(200, 36, 75, 22);
    Button1.OnClick = [this] { Fill(); };
    BitBtn1.Glyph = "StopSign";
    BitBtn1.SetBounds(280, 36, 25, 22);
    BitBtn1.Visible = false;  // shown while a slow run goes on
    BitBtn1.OnClick = [this] {
      Say("BitBtn1Click");
      stop_ = true;
    };

    CheckBox1.SetBounds(120, 66, 13, 15);
    CheckBox1.OnClick = [this] { Say("CheckBox1Click " + std::to_string(CheckBox1.Checked)); };
    Label2.Caption = "Kontroluj duplicitu";
    Label2.SetBounds(140, 67, 0, 0);
    Label2.Transparent = true;

    Separator1.SetBounds(8, 88, 314, 2);

    Panel1.SetBounds(8, 94, 314, 70);
    Panel1.BevelInner = forms::BevelCut::Lowered;
    Panel1.BevelWidth = 3;
    Panel1.Border = forms::BorderStyle::Single;
    Panel1.Picture = "PanelBackground";
    Label3.Caption = W("Vložiť môj tiket");
    Label3.Font.Bold = true;
    Label3.Transparent = true;
    Label3.SetBounds(10, 8, 0, 0);
    RadioButton1.Caption = "Slovensky";
    RadioButton1.SetBounds(10, 28, 90, 17);
    RadioButton1.Color = forms::colors::Silver;
    RadioButton2.Caption = W("Česky");
    RadioButton2.SetBounds(110, 28, 90, 17);
    RadioButton2.Color = forms::colors::Silver;
    RadioButton2.Enabled = false;
    RadioButton1.OnClick = [] { Say("RadioButton1Click"); };
    RadioButton2.OnClick = [] { Say("RadioButton2Click"); };
    Edit2.SetBounds(210, 26, 90, 21);
    Edit2.OnChange = [this] { Say("Edit2 " + Cp1250ToUtf8(Edit2.Text)); };

    TextListBox1.SetBounds(8, 170, 314, 60);
    Gauge1.SetBounds(8, 236, 314, 17);
    Gauge1.BackColor = forms::colors::Black;
    Gauge1.ForeColor = forms::colors::Lime;

    Button2.Caption = W("Správa");
    Button2.SetBounds(8, 264, 75, 25);
    Button2.OnClick = [this] {
      App().ShowMessage(W("Niektoré čísla sa rovnajú"));
      Say("MessageClosed");
    };
    Button4.Caption = "Pomaly";
    Button4.SetBounds(90, 264, 75, 25);
    Button4.OnClick = [this] { SlowRun(); };
    Button5.Caption = W("Uložiť");
    Button5.SetBounds(170, 264, 70, 25);
    Button5.OnClick = [this] {
      forms::SaveDialog save(App());
      save.Request.Title = W("Uložiť tikety");
      save.Request.DefaultExt = "txt";
      save.Request.Filter = W("Textové súbory (*.txt)|*.txt|Všetky súbory (*.*)|*.*");
      save.Request.InitialDir = folder_;
      save.Request.FileName = "tikety";
      Say(save.Execute() ? "Saved " + save.FileName : "SaveCancelled");
    };
    Button3.Caption = W("Dialóg");
    Button3.SetBounds(247, 264, 75, 25);
    Button3.OnClick = [this] {
      dialog_->ShowModal();
      Say("DialogReturned");
    };

    OnShow = [this] {
      if (dialog_first_) {
        // As a program's first start may do: a modal form from OnShow, which
        // comes up alone, before this form.
        dialog_first_ = false;
        dialog_->ShowModal();
        Say("DialogReturned");
      }
      for (const forms::Control* c : Controls())
        Say("control " + c->Name + " " + std::to_string(c->FormLeft()) + " " +
            std::to_string(c->FormTop()) + " " + std::to_string(c->Width) + " " +
            std::to_string(c->Height));
      Say("ready");
    };
    OnClose = [](forms::CloseAction&) { Say("FormClose"); };
  }

 private:
  // Appends 30000 lines the way a generation run does: one pump per line.
  void Fill() {
    Say("Button1Click");
    const int64_t start = platform::TickCountMs();
    TextListBox1.Items.Clear();
    Gauge1.MaxValue = 30000;
    for (int i = 1; i <= 30000; ++i) {
      TextListBox1.Items.Add(std::to_string(i) + W(">   čísla"));
      Gauge1.Progress = i;
      App().ProcessMessages();
    }
    Say("Filled " + std::to_string(TextListBox1.Items.Count()));
    Say("FillMs " + std::to_string(platform::TickCountMs() - start));
  }

  // A run of up to 20 s, a line per millisecond, that the stop button ends.
  void SlowRun() {
    Say("Button4Click");
    stop_ = false;
    BitBtn1.Visible = true;
    TextListBox1.Items.Clear();
    Gauge1.MaxValue = 20000;
    int lines = 0;
    while (!stop_ && lines < 20000) {
      const int64_t until = platform::TickCountMs() + 1;
      while (platform::TickCountMs() < until) {
      }
      TextListBox1.Items.Add(std::to_string(++lines));
      Gauge1.Progress = lines;
      App().ProcessMessages();
    }
    BitBtn1.Visible = false;
    Say(stop_ ? "Stopped" : "RanOut");
  }

  bool stop_ = false;
  DemoDialog*& dialog_;
  std::string folder_;  // where the save dialog starts
  bool dialog_first_;   // OnShow opens the dialog first

  forms::Label Label1{*this, "Label1"};
  forms::ComboBox ComboBox1{*this, "ComboBox1"};
  forms::Edit Edit1{*this, "Edit1"};
  forms::Button Button1{*this, "Button1"};
  forms::BitBtn BitBtn1{*this, "BitBtn1"};
  forms::CheckBox CheckBox1{*this, "CheckBox1"};
  forms::Label Label2{*this, "Label2"};
  forms::Separator Separator1{*this, "Separator1"};
  forms::Panel Panel1{*this, "Panel1"};
  forms::Label Label3{*this, "Label3", &Panel1};
  forms::RadioButton RadioButton1{*this, "RadioButton1", &Panel1};
  forms::RadioButton RadioButton2{*this, "RadioButton2", &Panel1};
  forms::Edit Edit2{*this, "Edit2", &Panel1};
  forms::TextListBox TextListBox1{*this, "TextListBox1"};
  forms::Gauge Gauge1{*this, "Gauge1"};
  forms::Button Button2{*this, "Button2"};
  forms::Button Button3{*this, "Button3"};
  forms::Button Button4{*this, "Button4"};
  forms::Button Button5{*this, "Button5"};
};

}  // namespace

// Arguments, both optional: the folder the save dialog starts in, and "first"
// to have the main form's OnShow open the modal dialog before anything else.
int main(int argc, char** argv) {
  forms::Application app(std::make_unique<forms::FltkBackend>());
  app.Title = W("Ukážka");
  DemoDialog* dialog = nullptr;
  app.CreateForm<DemoForm>(dialog, argc > 1 ? argv[1] : "/tmp",
                           argc > 2 && std::string(argv[2]) == "first");
  dialog = &app.CreateForm<DemoDialog>();
  app.Run();
  Say("Ended");
  return 0;
}
