#pragma once
// What a back-end does for the form model: show and hide windows, run the
// main and modal loops, poll the window system, and run message boxes and
// file dialogs. It never holds state of its own that the model lacks.
#include <optional>
#include <string>

#include "forms/dialogs.h"

namespace forms {

class Application;
class Form;

class Backend {
 public:
  virtual ~Backend() = default;
  virtual void FormShown(Form& form) = 0;
  // The form's OnShow has run and the form is still visible. Until then a
  // window back-end keeps the window off the screen, as the platform does:
  // a modal form opened from OnShow comes up alone.
  virtual void FormShowFinished(Form&) {}
  virtual void FormHidden(Form& form) = 0;
  // Returns once the form is no longer visible (or the application ends).
  virtual void RunModal(Form& form) = 0;
  // Returns once the main form is closed or the application is terminated.
  virtual void RunMain(Application& app) = 0;
  // Lets pending input and painting happen.
  virtual void ProcessMessages() = 0;
  // A plain message box with one OK button; returns when it is dismissed.
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  // The chosen path, or nothing when the user cancels.
  virtual std::optional<std::string> RunFileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace forms
