#pragma once
// What the FLTK back-end keeps: the window of each form that has been shown
// and the pictures. Sync brings every visible form's window up to date and
// maps the windows of forms that were shown since.
#include <memory>
#include <vector>

#include "forms/fltk/PictureBook.h"

namespace forms {
class Form;
}

namespace forms::fltk {

class FormWindow;

class Desktop {
 public:
  Desktop();
  ~Desktop();
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // The form's window, made on first use.
  FormWindow& WindowOf(Form& form);
  FormWindow* Find(const Form& form) const;
  void Hide(const Form& form);

  // Updates the windows of all visible forms from the model and maps those
  // not yet on screen (unless their OnShow is still running), placed as their
  // forms ask.
  void Sync();
  // One turn of a message loop: sync, then wait for and handle events.
  void WaitOnce();

  PictureBook& Pictures() { return pictures_; }

 private:
  void Reveal(FormWindow& window);

  PictureBook pictures_;
  std::vector<std::unique_ptr<FormWindow>> windows_;  // in the order made
};

}  // namespace forms::fltk
