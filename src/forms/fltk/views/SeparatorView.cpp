// Separators: an etched line along the top of a wide control, or down the
// left of a tall one.
#include <FL/Fl_Widget.H>

#include "forms/fltk/Painting.h"
#include "forms/fltk/views/Views.h"

namespace forms::fltk {
namespace {

class SeparatorWidget : public Fl_Widget {
 public:
  SeparatorWidget() : Fl_Widget(0, 0, 0, 0) {}
  void draw() override {
    if (w() >= h())
      DrawEtchedLine(x(), y(), x() + w() - 1, y());
    else
      DrawEtchedLine(x(), y(), x(), y() + h() - 1);
  }
};

}  // namespace

std::unique_ptr<ControlView> MakeSeparatorView(Separator& separator) {
  return std::make_unique<ControlView>(separator, new SeparatorWidget);
}

}  // namespace forms::fltk
