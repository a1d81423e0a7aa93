#include "tivra/tivra_forms.h"

#include "tivra/Unit1.h"
#include "tivra/Unit2.h"
#include "tivra/Unit3.h"

namespace tivra {

TivraForms CreateTivraForms(forms::Application& app) {
  app.Title = "Tivra 10";
  TForm1& form1 = app.CreateForm<TForm1>();
  TForm2& form2 = app.CreateForm<TForm2>();
  TForm3& form3 = app.CreateForm<TForm3>();
  form1.Connect(form2, form3);
  return TivraForms{form1, form2, form3};
}

}  // namespace tivra
