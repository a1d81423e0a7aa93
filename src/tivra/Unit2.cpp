#include "tivra/Unit2.h"

#include "platform/cp1250.h"
#include "tivra/form_layout.h"
#include "tivra/games.h"

namespace tivra {

using platform::W;

namespace {

void SetUpButton(forms::Button& button, int left, int top, int width, int height,
                 const std::string& caption) {
  button.SetBounds(left, top, width, height);
  button.Caption = caption;
}

// A raised panel with a sunken inner bevel, a single border and the panels'
// own background picture.
void SetUpPanel(forms::Panel& panel, int left, int top, int width, int height) {
  panel.SetBounds(left, top, width, height);
  panel.BevelOuter = forms::BevelCut::Raised;
  panel.BevelInner = forms::BevelCut::Lowered;
  panel.BevelWidth = 3;
  panel.Border = forms::BorderStyle::Single;
  panel.Picture = "PanelBackground";
  panel.Visible = false;
}

}  // namespace

TForm2::TForm2(forms::Application& app) : forms::Form(app, "Form2") {
  Caption = "Tivra";
  ClientWidth = 341;
  ClientHeight = 444;
  Color = forms::colors::Silver;
  Picture = "Background";
  Font.Name = "MS Sans Serif";
  Font.Height = 11;
  Icons = forms::BorderIcons{.SystemMenu = true, .Minimize = false, .Maximize = false};
  Position = forms::FormPosition::MainFormCenter;

  SetUpLabel(Label2, 16, 13, 47, "Druh hry:");
  ComboBox1.SetBounds(136, 8, 153, 22);
  SetUpLabel(Label5, 16, 38, 58, W("Počet čísel:"));
  ComboBox2.SetBounds(136, 32, 49, 22);
  SetUpLabel(Label8, 200, 38, 6, "z");
  ComboBox3.SetBounds(240, 32, 49, 21);
  SetUpLabel(Label9, 16, 62, 28, "Filter:");
  ComboBox4.SetBounds(136, 56, 153, 22);

  SetUpLabel(Label1, 16, 83, 72, W("Počet tiketov :"));
  Edit1.SetBounds(136, 79, 73, 21);
  Edit1.Text = "100";
  SetUpButton(Button4, 216, 80, 75, 22, "Vytvor");
  BitBtn3.SetBounds(296, 80, 25, 22);
  BitBtn3.Glyph = "StopSign";
  BitBtn3.Visible = false;
  SetUpLabel(Label10, 136, 102, 60, "");  // the limit hint is set at start-up
  CheckBox1.SetBounds(136, 120, 13, 15);
  CheckBox1.Checked = false;
  SetUpLabel(Label14, 160, 121, 96, "Kontroluj duplicitu ");

  Separator1.SetBounds(8, 148, 321, 2);

  SetUpLabel(Label6, 8, 154, 90, W("Vložiť môj tiket"));
  Label6.Font.Bold = true;
  SetUpLabel(Label7, 224, 154, 29, W("číslo:"));
  Edit33.SetBounds(256, 152, 73, 21);
  forms::Edit* numbers[] = {&Edit23, &Edit24, &Edit25, &Edit26, &Edit27,
                            &Edit28, &Edit29, &Edit30, &Edit31, &Edit32};
  for (int i = 0; i < 10; ++i) numbers[i]->SetBounds(8 + 24 * i, 176, 25, 21);
  SetUpButton(Button8, 256, 176, 75, 20, W("Vložiť"));

  Separator2.SetBounds(8, 208, 321, 2);

  TextListBox1.SetBounds(8, 216, 326, 137);
  SetUpButton(Button10, 229, 357, 107, 17, W("Zmazať obsah"));
  Gauge1.SetBounds(8, 384, 329, 17);
  Gauge1.Orientation = forms::GaugeKind::Horizontal;
  Gauge1.BackColor = forms::colors::Black;
  Gauge1.ForeColor = forms::colors::Lime;
  Gauge1.MinValue = 0;
  Gauge1.Progress = 0;
  SetUpButton(Button1, 8, 408, 73, 25, W("Uložiť"));
  SetUpButton(Button7, 88, 408, 65, 25, W("Otvoriť"));
  SetUpButton(Button3, 200, 408, 73, 25, W("Skontrolovať"));
  SetUpButton(Button2, 280, 408, 51, 25, W("Zatvoriť"));

  SetUpPanel(Panel2, 40, 144, 273, 137);
  SetUpPanel(Panel3, 44, 160, 257, 105);
  SetUpPanel(Panel1, 32, 0, 281, 433);

  SaveDialog1.Request.DefaultExt = "txt";
  SaveDialog1.Request.Filter = W("Textové súbory|*.txt");
  OpenDialog1.Request.Filter = "txt|*.txt";

  ComboBox1.OnChange = [this] { ApplyGamePreset(); };
  Button2.OnClick = [this] { Button2Click(); };
  OnClose = [this](forms::CloseAction& action) { FormClose(action); };
}

void TForm2::ApplyGamePreset() {
  const ChoiceIndexes chosen = tivra::ApplyGamePreset(
      ComboBox1.ItemIndex, ChoiceIndexes{ComboBox2.ItemIndex, ComboBox3.ItemIndex});
  ComboBox2.ItemIndex = chosen.Count;
  ComboBox3.ItemIndex = chosen.Range;
}

void TForm2::Button2Click() { Close(); }

void TForm2::FormClose(forms::CloseAction&) {
  EnableInputs();
  Panel1.Visible = false;
}

std::vector<forms::Control*> TForm2::LockedInputs() {
  return {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4, &Button1, &Button2,
          &Button3,   &Button4,   &Button7,   &Button8,   &Button10};
}

void TForm2::EnableInputs() {
  for (forms::Control* input : LockedInputs()) input->Enabled = true;
}

}  // namespace tivra
