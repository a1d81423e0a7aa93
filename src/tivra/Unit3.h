#pragma once
// The language form: records the player's language in "lang.ini". Only
// Slovak can be chosen; Czech and English are shown but disabled. The form
// has no close box and closes through "Ok".
#include "forms/application.h"
#include "forms/controls.h"
#include "forms/form.h"

namespace tivra {

class TForm3 : public forms::Form {
 public:
  explicit TForm3(forms::Application& app);

  forms::Panel Panel1{*this, "Panel1"};
  forms::Image Image1{*this, "Image1", &Panel1};
  forms::Label Label1{*this, "Label1", &Panel1};
  forms::Label Label4{*this, "Label4", &Panel1};
  forms::Label Label2{*this, "Label2", &Panel1};
  forms::Label Label3{*this, "Label3", &Panel1};

  // One group on the form itself, over the panel: Slovak, Czech, English.
  forms::RadioButton RadioButton1{*this, "RadioButton1"};
  forms::RadioButton RadioButton2{*this, "RadioButton2"};
  forms::RadioButton RadioButton3{*this, "RadioButton3"};
  forms::Button Button1{*this, "Button1"};

  // "Ok": writes the chosen language into "lang.ini" (nothing when none is
  // chosen) and closes the form. When the file cannot be written, the error's
  // text is shown and the form closes all the same, so the player is never
  // held in a form without a close box; the program then goes on without a
  // language file and asks again at the next start.
  void Button1Click();

 private:
  void StoreLanguage();
};

}  // namespace tivra
