// Gauges and progress bars.
//
// A gauge: a black frame, the face in BackColor and the bar in ForeColor,
// growing from the left or from the bottom; its percentage is written in the
// middle in ForeColor over the face and in BackColor over the bar.
// A progress bar: a sunken frame with blocks growing from the left.
#include <FL/Fl_Widget.H>
#include "forms/fltk/FlDraw.h"

#include <string>

#include "forms/fltk/Painting.h"
#include "forms/fltk/views/Views.h"

namespace forms::fltk {
namespace {

struct GaugeState {
  bool vertical = false;
  int percent = 0;
  bool show_text = true;
  TColor back = 0, fore = 0;
  bool operator==(const GaugeState&) const = default;
};

class GaugeWidget : public Fl_Widget {
 public:
  explicit GaugeWidget(const ControlView& view) : Fl_Widget(0, 0, 0, 0), view_(view) {}
  GaugeState state;

  void draw() override {
    fl_color(FL_BLACK);
    fl_rect(x(), y(), w(), h());
    const int X = x() + 1, Y = y() + 1, W = w() - 2, H = h() - 2;
    if (W <= 0 || H <= 0) return;
    const Fl_Color back = ColorOf(state.back), fore = ColorOf(state.fore);
    fl_rectf(X, Y, W, H, back);
    int bx = X, by = Y, bw = W, bh = H;
    if (state.vertical) {
      bh = H * state.percent / 100;
      by = Y + H - bh;
    } else {
      bw = W * state.percent / 100;
    }
    if (bw > 0 && bh > 0) fl_rectf(bx, by, bw, bh, fore);
    if (!state.show_text) return;
    const std::string text = std::to_string(state.percent) + "%";
    const ControlView::Look& look = view_.Current();
    fl_font(look.font.face, look.font.size);
    fl_push_clip(X, Y, W, H);
    fl_color(fore);
    fl_draw(text.c_str(), X, Y, W, H, FL_ALIGN_CENTER, nullptr, 0);
    fl_pop_clip();
    if (bw > 0 && bh > 0) {
      fl_push_clip(bx, by, bw, bh);
      fl_color(back);
      fl_draw(text.c_str(), X, Y, W, H, FL_ALIGN_CENTER, nullptr, 0);
      fl_pop_clip();
    }
  }

 private:
  const ControlView& view_;
};

class GaugeView : public ControlView {
 public:
  explicit GaugeView(Gauge& gauge) : GaugeView(gauge, new GaugeWidget(*this)) {}

 protected:
  bool SyncContent() override {
    const GaugeState now{gauge_.Orientation == GaugeKind::Vertical, gauge_.PercentDone(),
                         gauge_.ShowText, gauge_.BackColor, gauge_.ForeColor};
    if (now == widget_->state) return false;
    widget_->state = now;
    return true;
  }

 private:
  GaugeView(Gauge& gauge, GaugeWidget* widget) : ControlView(gauge, widget), gauge_(gauge), widget_(widget) {
    widget_->state.percent = -1;  // differs from any real state: the first sync applies
  }
  Gauge& gauge_;
  GaugeWidget* widget_;
};

class ProgressWidget : public Fl_Widget {
 public:
  explicit ProgressWidget(const ControlView& view) : Fl_Widget(0, 0, 0, 0), view_(view) {}
  int min = 0, max = 100, position = 0;

  void draw() override {
    fl_rectf(x(), y(), w(), h(), view_.Current().color);
    DrawBevel(x(), y(), w(), h(), false, 1);
    const int X = x() + 2, Y = y() + 2, W = w() - 4, H = h() - 4;
    const long span = static_cast<long>(max) - min;
    if (W <= 0 || H <= 0 || span <= 0) return;
    long filled = (static_cast<long>(position) - min) * W / span;
    if (filled < 0) filled = 0;
    if (filled > W) filled = W;
    const int block = H * 2 / 3 > 2 ? H * 2 / 3 : 2;
    fl_color(ColorOf(colors::Navy));
    for (int bx = 0; bx < filled; bx += block + 2) {
      const int bw = bx + block <= filled ? block : static_cast<int>(filled) - bx;
      fl_rectf(X + bx, Y, bw, H);
    }
  }

 private:
  const ControlView& view_;
};

class ProgressBarView : public ControlView {
 public:
  explicit ProgressBarView(ProgressBar& bar) : ProgressBarView(bar, new ProgressWidget(*this)) {}

 protected:
  bool SyncContent() override {
    if (known_ && widget_->min == bar_.Min && widget_->max == bar_.Max &&
        widget_->position == bar_.Position)
      return false;
    known_ = true;
    widget_->min = bar_.Min;
    widget_->max = bar_.Max;
    widget_->position = bar_.Position;
    return true;
  }

 private:
  ProgressBarView(ProgressBar& bar, ProgressWidget* widget)
      : ControlView(bar, widget), bar_(bar), widget_(widget) {}
  ProgressBar& bar_;
  ProgressWidget* widget_;
  bool known_ = false;
};

}  // namespace

std::unique_ptr<ControlView> MakeGaugeView(Gauge& gauge) {
  return std::make_unique<GaugeView>(gauge);
}

std::unique_ptr<ControlView> MakeProgressBarView(ProgressBar& bar) {
  return std::make_unique<ProgressBarView>(bar);
}

}  // namespace forms::fltk
