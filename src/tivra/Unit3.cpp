#include "tivra/Unit3.h"

#include <exception>

#include "platform/cp1250.h"
#include "platform/ini_file.h"
#include "tivra/form_layout.h"
#include "tivra/language_file.h"

namespace tivra {

using platform::W;

namespace {

// The labels stand in white on the dark picture.
void SetUpWhiteLabel(forms::Label& label, int left, int top, int width,
                     const std::string& caption) {
  SetUpLabel(label, left, top, width, caption);
  label.Font.FontColor = forms::colors::White;
}

}  // namespace

TForm3::TForm3(forms::Application& app) : forms::Form(app, "Form3") {
  // Design caption: it shows when the form comes up at the first start,
  // before the start-up sets the captions of all windows.
  Caption = "Tivra";
  ClientWidth = 134;
  ClientHeight = 169;
  Color = forms::colors::Black;
  Icons = forms::BorderIcons{.SystemMenu = false, .Minimize = false, .Maximize = false};
  Position = forms::FormPosition::MainFormCenter;

  Panel1.SetBounds(6, 8, 121, 153);
  Panel1.Color = forms::colors::Black;
  Image1.SetBounds(1, 1, 119, 151);
  Image1.Picture = "LanguageBackground";
  Image1.Stretch = true;
  SetUpWhiteLabel(Label1, 8, 8, 62, W("Voľba jazyka"));
  SetUpWhiteLabel(Label4, 48, 33, 50, "Slovensky");
  SetUpWhiteLabel(Label2, 48, 58, 30, W("Česky"));
  SetUpWhiteLabel(Label3, 48, 81, 36, "English");

  forms::RadioButton* radios[] = {&RadioButton1, &RadioButton2, &RadioButton3};
  for (int i = 0; i < 3; ++i) {
    radios[i]->SetBounds(32, 40 + 24 * i, 17, 17);
    radios[i]->Color = forms::colors::Silver;
  }
  RadioButton2.Enabled = false;
  RadioButton3.Enabled = false;

  Button1.SetBounds(32, 128, 75, 25);
  Button1.Caption = "Ok";
  Button1.OnClick = [this] { Button1Click(); };
}

void TForm3::StoreLanguage() {
  platform::IniFile ini(LanguageFilePath(App().ExeName()));
  if (RadioButton1.Checked()) ini.WriteString(kLanguageSection, kLanguageKey, "SK");
  if (RadioButton2.Checked()) ini.WriteString(kLanguageSection, kLanguageKey, "CZ");
  if (RadioButton3.Checked()) ini.WriteString(kLanguageSection, kLanguageKey, "EN");
}

void TForm3::Button1Click() {
  try {
    StoreLanguage();
  } catch (const std::exception& e) {
    App().HandleException(e);
  }
  Close();
}

}  // namespace tivra
