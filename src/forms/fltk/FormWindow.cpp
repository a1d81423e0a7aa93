#include "forms/fltk/FormWindow.h"

#include <FL/Fl.H>
#include "forms/fltk/FlDraw.h"

#include "forms/fltk/Guard.h"
#include "forms/fltk/Painting.h"
#include "forms/fltk/PictureBook.h"
#include "forms/fltk/Stacking.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/X11.h"

namespace forms::fltk {

FormWindow::FormWindow(Form& form, PictureBook& pictures)
    : Fl_Double_Window(form.ClientWidth, form.ClientHeight), form_(form), pictures_(pictures) {
  end();
  xclass(form.Name.c_str());
  callback(&FormWindow::CloseBox, this);
  BuildNewControls();
}

FormWindow::~FormWindow() {
  // Widgets go first: some views own data their widgets point to.
  clear();
}

void FormWindow::BuildNewControls() {
  const std::vector<Control*>& all = form_.Controls();
  if (built_ >= all.size()) return;
  const std::vector<Control*> fresh(all.begin() + static_cast<long>(built_), all.end());
  built_ = all.size();
  for (Control* c : BuildOrder(fresh)) {
    std::unique_ptr<ControlView> view = MakeView(*c, pictures_);
    if (!view) continue;
    Fl_Group* group = this;
    if (c->Parent) {
      auto parent = by_control_.find(c->Parent);
      if (parent != by_control_.end() && parent->second->ChildGroup())
        group = parent->second->ChildGroup();
    }
    group->add(view->Widget());
    by_control_[c] = view.get();
    views_.push_back(std::move(view));
  }
}

void FormWindow::Sync() {
  BuildNewControls();
  const Look now{form_.Caption, form_.ClientWidth, form_.ClientHeight, form_.Color,
                 form_.Picture};
  if (!look_ || !(now == *look_)) {
    if (!look_ || now.caption != look_->caption) {
      copy_label(DisplayText(now.caption).c_str());
    }
    if (!look_ || now.w != look_->w || now.h != look_->h) {
      size(now.w, now.h);
      size_range(now.w, now.h, now.w, now.h);  // a fixed border: not resizable
    }
    color(ColorOf(now.color));
    picture_ = pictures_.Find(now.picture);
    look_ = now;
    redraw();
  }
  for (auto& view : views_) view->Sync();
}

void FormWindow::Reveal(int x, int y) {
  if (form_.Modal())
    set_modal();
  else
    clear_flag(MODAL);
  position(x, y);
  force_position(1);
  show();
  ApplyBorderHints();
}

void FormWindow::draw() {
  if (damage() & ~FL_DAMAGE_CHILD) {
    fl_rectf(0, 0, w(), h(), color());
    TilePicture(picture_, 0, 0, w(), h());
  }
  draw_children();
}

// A form without a system menu gets no close button (and closing it does
// nothing anyway, see CloseBox).
void FormWindow::ApplyBorderHints() {
  SetTitleBarButtons(*this, form_.Icons.SystemMenu, form_.Icons.Minimize);
}

// FLTK calls this for the close button and for the Escape key; forms do not
// close on Escape, and a form without a system menu has no close box.
void FormWindow::CloseBox(Fl_Widget*, void* data) {
  auto* self = static_cast<FormWindow*>(data);
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  Guarded(self->form_.App(), [self] { self->form_.UserClose(); });
}

}  // namespace forms::fltk
