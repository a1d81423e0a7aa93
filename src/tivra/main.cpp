// Program entry of the ticket generator: the three windows on the FLTK
// back-end; the program ends when the main menu closes.
#include <memory>

#include "forms/application.h"
#include "forms/fltk/FltkBackend.h"
#include "tivra/tivra_forms.h"

int main() {
  forms::Application app(std::make_unique<forms::FltkBackend>());
  tivra::CreateTivraForms(app);
  app.Run();
  return 0;
}
