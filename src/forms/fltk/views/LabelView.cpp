// Labels: text drawn at the top left, on the control's colour unless the
// label is transparent; an auto-sized label takes the size of its text.
#include <FL/Fl_Widget.H>
#include "forms/fltk/FlDraw.h"

#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"

namespace forms::fltk {
namespace {

class LabelWidget : public Fl_Widget {
 public:
  explicit LabelWidget(const ControlView& view) : Fl_Widget(0, 0, 0, 0), view_(view) {}
  std::string text;  // UTF-8, accelerator marks removed

  void draw() override {
    const ControlView::Look& look = view_.Current();
    if (!look.transparent) fl_rectf(x(), y(), w(), h(), look.color);
    fl_font(look.font.face, look.font.size);
    fl_color(active_r() ? look.font.color : fl_inactive(look.font.color));
    // Not clipped: accents of capitals may rise above the font's ascent,
    // and the label's height is just that of its text.
    fl_draw(text.c_str(), x(), y(), w(), h(), FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE, nullptr, 0);
  }

 private:
  const ControlView& view_;
};

class LabelView : public ControlView {
 public:
  explicit LabelView(Label& label) : LabelView(label, new LabelWidget(*this)) {}

 protected:
  void Measure(Look& look) override {
    if (!label_.AutoSize) return;
    if (!measured_ || look.caption != measured_caption_ || look.font != measured_font_) {
      measured_ = true;
      measured_caption_ = look.caption;
      measured_font_ = look.font;
      const std::string text = PlainCaption(look.caption);
      fl_font(look.font.face, look.font.size);
      measured_w_ = 0;
      measured_h_ = 0;
      fl_measure(text.c_str(), measured_w_, measured_h_, 0);
      if (text.empty()) measured_h_ = fl_height();
    }
    look.w = measured_w_;
    look.h = measured_h_;
  }
  void ApplyLook(const Look& look) override { widget_->text = PlainCaption(look.caption); }

 private:
  LabelView(Label& label, LabelWidget* widget)
      : ControlView(label, widget), label_(label), widget_(widget) {}

  Label& label_;
  LabelWidget* widget_;
  bool measured_ = false;
  std::string measured_caption_;
  FlFont measured_font_;
  int measured_w_ = 0, measured_h_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> MakeLabelView(Label& label) {
  return std::make_unique<LabelView>(label);
}

}  // namespace forms::fltk
