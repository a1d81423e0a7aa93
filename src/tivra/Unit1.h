#pragma once
// The main menu, the program's main window: opens the generator window and
// the language form. Its first show checks for the language file and fills
// the generator window's choices.
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tivra {

class TForm2;
class TForm3;

class TForm1 : public forms::Form {
 public:
  explicit TForm1(forms::Application& app);

  forms::Image Image1{*this, "Image1"};
  forms::Button Button1{*this, "Button1"};
  forms::Button Button3{*this, "Button3"};

  // The windows this menu opens; made after it, so joined once they exist.
  void Connect(TForm2& generator, TForm3& language);

  // First show: limit hint, language check, filling of the generator window.
  void FormShow();
  // "Vytvor tikety": empties the ticket list and shows the generator window.
  void Button1Click();
  // "Jazyk": shows the language form.
  void Button3Click();

 private:
  TForm2& Generator();
  TForm3& Language();

  TForm2* generator_ = nullptr;
  TForm3* language_ = nullptr;
  bool started_ = false;
};

}  // namespace tivra
