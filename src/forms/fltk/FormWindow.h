#pragma once
// The window of one form: exactly the form's client size, fixed border, its
// caption, colour and background picture, and a view per control. It is made
// when the form is first shown and kept (hidden) until the back-end goes.
#include <FL/Fl_Double_Window.H>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "forms/fltk/ControlView.h"
#include "forms/form.h"

namespace forms::fltk {

class PictureBook;

class FormWindow : public Fl_Double_Window {
 public:
  FormWindow(Form& form, PictureBook& pictures);
  ~FormWindow() override;

  Form& Model() const { return form_; }
  // Brings the window and every control's widget up to date with the model.
  void Sync();
  // Maps the window with its client area at a screen position; modal when the
  // form runs modally.
  void Reveal(int x, int y);
  // While the form's OnShow runs, the window stays off the screen.
  void SetInOnShow(bool in_on_show) { in_on_show_ = in_on_show; }
  bool InOnShow() const { return in_on_show_; }

 protected:
  void draw() override;

 private:
  void BuildNewControls();
  void ApplyBorderHints();
  static void CloseBox(Fl_Widget* widget, void* data);

  Form& form_;
  PictureBook& pictures_;
  std::vector<std::unique_ptr<ControlView>> views_;  // parents before children
  std::map<const Control*, ControlView*> by_control_;
  size_t built_ = 0;  // controls of the form that have a view

  struct Look {
    std::string caption;  // Windows-1250
    int w = 0, h = 0;
    TColor color = 0;
    std::string picture;
    bool operator==(const Look&) const = default;
  };
  std::optional<Look> look_;
  Fl_Image* picture_ = nullptr;
  bool in_on_show_ = false;
};

}  // namespace forms::fltk
