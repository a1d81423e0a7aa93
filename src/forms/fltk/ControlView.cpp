#include "forms/fltk/ControlView.h"

#include <FL/Fl.H>
#include <FL/Fl_Widget.H>
#include <FL/Fl_Window.H>

#include "forms/fltk/Text.h"

namespace forms::fltk {

ControlView::ControlView(Control& control, Fl_Widget* widget)
    : control_(control), widget_(widget) {}

ControlView::~ControlView() = default;

// The area is taken a few pixels wider, for text that reaches just past its
// label (accents above capitals).
void ControlView::Repaint() const {
  constexpr int kOverflow = 3;
  if (Fl_Window* win = widget_->window())
    win->damage(FL_DAMAGE_ALL, widget_->x() - kOverflow, widget_->y() - kOverflow,
                widget_->w() + 2 * kOverflow, widget_->h() + 2 * kOverflow);
  widget_->redraw();
}

void ControlView::Sync() {
  Look now;
  now.x = control_.FormLeft();
  now.y = control_.FormTop();
  now.w = control_.Width;
  now.h = control_.Height;
  now.visible = control_.Visible;
  now.enabled = control_.Enabled;
  now.transparent = control_.Transparent;
  now.color = ColorOf(control_.Color);
  now.font = FontOf(control_.Font);
  now.caption = control_.Caption;
  Measure(now);

  const bool first = !synced_;
  synced_ = true;
  bool paint = first;
  if (first || now.x != look_.x || now.y != look_.y || now.w != look_.w || now.h != look_.h) {
    if (!first) Repaint();  // the old place
    widget_->resize(now.x, now.y, now.w, now.h);
    paint = true;
  }
  if (first || now.visible != look_.visible) {
    if (now.visible)
      widget_->show();
    else
      widget_->hide();
    paint = true;
  }
  if (first || now.enabled != look_.enabled) {
    if (now.enabled)
      widget_->activate();
    else
      widget_->deactivate();
    paint = true;
  }
  if (first || now.color != look_.color || now.font != look_.font ||
      now.caption != look_.caption || now.transparent != look_.transparent) {
    look_ = now;
    ApplyLook(now);
    paint = true;
  }
  look_ = now;
  // A widget held down by the mouse is in the middle of a click (a check box
  // has already flipped its mark, the model has not yet heard of it): its
  // content waits until the button is released.
  if (Fl::pushed() != widget_ && SyncContent()) paint = true;
  if (paint) Repaint();
}

void ControlView::ApplyLabelLook(Fl_Widget& widget, const Look& look) {
  widget.copy_label(WidgetLabel(look.caption).c_str());
  widget.labelfont(look.font.face);
  widget.labelsize(look.font.size);
  widget.labelcolor(look.font.color);
  widget.color(look.color);
}

}  // namespace forms::fltk
