#include "tivra/Unit1.h"

#include <stdexcept>

#include "platform/files.h"
#include "tivra/Unit2.h"
#include "tivra/Unit3.h"
#include "tivra/games.h"
#include "tivra/language_file.h"
#include "tivra/number_filter.h"

namespace tivra {

namespace {

void Fill(forms::ComboBox& box, std::vector<std::string> items, int selected) {
  box.Items.Assign(std::move(items));
  box.ItemIndex = selected;
}

}  // namespace

TForm1::TForm1(forms::Application& app) : forms::Form(app, "Form1") {
  Caption = "Tivra";
  ClientWidth = 130;
  ClientHeight = 183;
  Color = forms::colors::Black;
  Icons = forms::BorderIcons{.SystemMenu = true, .Minimize = false, .Maximize = false};
  Position = forms::FormPosition::DesktopCenter;

  Image1.SetBounds(8, 8, 113, 137);
  Image1.Picture = "MainMenu";
  Button1.SetBounds(16, 56, 97, 25);
  Button1.Caption = "Vytvor tikety";
  Button3.SetBounds(16, 83, 97, 25);
  Button3.Caption = "Jazyk";

  OnShow = [this] { FormShow(); };
  Button1.OnClick = [this] { Button1Click(); };
  Button3.OnClick = [this] { Button3Click(); };
}

void TForm1::Connect(TForm2& generator, TForm3& language) {
  generator_ = &generator;
  language_ = &language;
}

TForm2& TForm1::Generator() {
  if (!generator_) throw std::logic_error("TForm1: generator window not connected");
  return *generator_;
}

TForm3& TForm1::Language() {
  if (!language_) throw std::logic_error("TForm1: language form not connected");
  return *language_;
}

void TForm1::FormShow() {
  // The lists are filled once per run, however often the window shows.
  if (started_) return;
  started_ = true;
  TForm2& generator = Generator();
  TForm3& language = Language();

  generator.Label10.Caption = "(max 30000)";

  // The language form comes up before anything is preselected in it.
  if (!platform::FileExists(LanguageFilePath(App().ExeName()))) language.ShowModal();

  Fill(generator.ComboBox1, GameItems(), kStartGameIndex);
  generator.Panel1.Visible = false;
  language.RadioButton1.SetChecked(true);
  Fill(generator.ComboBox2, CountItems(), kStartCountIndex);
  Fill(generator.ComboBox3, RangeItems(), kStartRangeIndex);
  Fill(generator.ComboBox4, FilterItems(), kStartFilterIndex);
  generator.Panel2.Visible = false;
  generator.Panel3.Visible = false;
  Caption = generator.Caption = language.Caption = "Tivra 1.0";
  generator.StopRequested = false;
}

void TForm1::Button1Click() {
  TForm2& generator = Generator();
  generator.TextListBox1.Items.Clear();
  App().ProcessMessages();  // paint the emptied list before the window opens
  generator.ShowModal();
}

void TForm1::Button3Click() { Language().ShowModal(); }

}  // namespace tivra
