#pragma once
// The three windows of the program, made and joined the way the program
// entry does it, so that tests run the very same program without a display.
#include "forms/application.h"

namespace tivra {

class TForm1;
class TForm2;
class TForm3;

struct TivraForms {
  TForm1& Form1;  // main menu, the main window
  TForm2& Form2;  // generator window
  TForm3& Form3;  // language form
};

// Sets the application title and creates the main menu, the generator window
// and the language form, in this order, joined together.
TivraForms CreateTivraForms(forms::Application& app);

}  // namespace tivra
