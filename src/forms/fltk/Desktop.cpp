#include "forms/fltk/Desktop.h"

#include <FL/Fl.H>

#include "forms/application.h"
#include "forms/fltk/FormWindow.h"
#include "forms/fltk/X11.h"
#include "forms/form.h"

namespace forms::fltk {

Desktop::Desktop() = default;
Desktop::~Desktop() = default;

FormWindow& Desktop::WindowOf(Form& form) {
  if (FormWindow* found = Find(form)) return *found;
  windows_.push_back(std::make_unique<FormWindow>(form, pictures_));
  return *windows_.back();
}

FormWindow* Desktop::Find(const Form& form) const {
  for (const auto& w : windows_)
    if (&w->Model() == &form) return w.get();
  return nullptr;
}

void Desktop::Hide(const Form& form) {
  if (FormWindow* w = Find(form)) w->hide();
}

void Desktop::Sync() {
  OpenDisplay();  // text is measured before the first window maps
  for (const auto& w : windows_) {
    if (!w->Model().Visible()) continue;
    w->Sync();
    if (!w->shown() && !w->InOnShow()) Reveal(*w);
  }
}

void Desktop::WaitOnce() {
  Sync();
  Fl::wait();
}

// Desktop-centred forms go to the middle of the screen's work area, forms
// centred on the main form to the middle of the main form's window, and the
// others to the form's own Left and Top.
void Desktop::Reveal(FormWindow& window) {
  const Form& form = window.Model();
  int x = form.Left, y = form.Top;
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh);
  const Form* main = form.App().MainForm();
  FormWindow* main_window = main && main != &form ? Find(*main) : nullptr;
  if (form.Position == FormPosition::MainFormCenter && main_window && main_window->shown()) {
    x = main_window->x() + (main_window->w() - window.w()) / 2;
    y = main_window->y() + (main_window->h() - window.h()) / 2;
  } else if (form.Position != FormPosition::Designed) {
    x = sx + (sw - window.w()) / 2;
    y = sy + (sh - window.h()) / 2;
  }
  window.Reveal(x, y);
}

}  // namespace forms::fltk
