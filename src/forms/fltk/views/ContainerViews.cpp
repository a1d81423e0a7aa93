// Panels and group boxes: groups that hold the widgets of their child
// controls, clip them, and take the clicks that fall on their own face so
// that nothing covered by a shown panel can be reached through it.
#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include "forms/fltk/FlDraw.h"

#include "forms/fltk/Painting.h"
#include "forms/fltk/PictureBook.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"

namespace forms::fltk {
namespace {

class ContainerWidget : public Fl_Group {
 public:
  explicit ContainerWidget(const ControlView& view) : Fl_Group(0, 0, 0, 0), view_(view) {
    end();
    box(FL_FLAT_BOX);  // a box, so that hiding a child repaints this group
    resizable(nullptr);
  }

  // Children keep their own places: each follows its control's position.
  void resize(int x, int y, int w, int h) override { Fl_Widget::resize(x, y, w, h); }

  int handle(int event) override {
    const int used = Fl_Group::handle(event);
    if (used) return used;
    switch (event) {
      case FL_PUSH:
      case FL_RELEASE:
      case FL_DRAG:
      case FL_MOUSEWHEEL:
        return Fl::event_inside(this) ? 1 : 0;
      default:
        return 0;
    }
  }

  void draw() override {
    if (damage() & ~FL_DAMAGE_CHILD) DrawFace(view_.Current());
    fl_push_clip(x(), y(), w(), h());
    draw_children();
    fl_pop_clip();
  }

 protected:
  virtual void DrawFace(const ControlView::Look& look) = 0;

 private:
  const ControlView& view_;
};

class PanelWidget : public ContainerWidget {
 public:
  PanelWidget(const ControlView& view, const Panel& panel) : ContainerWidget(view), panel_(panel) {}
  Fl_Image* picture = nullptr;
  std::string caption;

 protected:
  // Outside in: the single border, the outer bevel, the inner bevel; the
  // picture fills the face under the bevels.
  void DrawFace(const ControlView::Look& look) override {
    int X = x(), Y = y(), W = w(), H = h();
    fl_rectf(X, Y, W, H, look.color);
    TilePicture(picture, X, Y, W, H);
    if (panel_.Border == BorderStyle::Single) {
      fl_color(FL_BLACK);
      fl_rect(X, Y, W, H);
      X += 1, Y += 1, W -= 2, H -= 2;
    }
    const int bevel = panel_.BevelWidth > 0 ? panel_.BevelWidth : 0;
    for (BevelCut cut : {panel_.BevelOuter, panel_.BevelInner}) {
      if (cut == BevelCut::None) continue;
      DrawBevel(X, Y, W, H, cut == BevelCut::Raised, bevel);
      X += bevel, Y += bevel, W -= 2 * bevel, H -= 2 * bevel;
    }
    if (!caption.empty()) {
      fl_font(look.font.face, look.font.size);
      fl_color(active_r() ? look.font.color : fl_inactive(look.font.color));
      fl_draw(caption.c_str(), x(), y(), w(), h(), FL_ALIGN_CENTER, nullptr, 0);
    }
  }

 private:
  const Panel& panel_;
};

class PanelView : public ControlView {
 public:
  PanelView(Panel& panel, PictureBook& pictures)
      : PanelView(panel, pictures, new PanelWidget(*this, panel)) {}
  Fl_Group* ChildGroup() override { return widget_; }

 protected:
  void ApplyLook(const Look& look) override { widget_->caption = PlainCaption(look.caption); }

  bool SyncContent() override {
    const State now{panel_.BevelOuter, panel_.BevelInner, panel_.BevelWidth, panel_.Border,
                    panel_.Picture};
    if (known_ && now == state_) return false;
    known_ = true;
    state_ = now;
    widget_->picture = pictures_.Find(panel_.Picture);
    return true;
  }

 private:
  PanelView(Panel& panel, PictureBook& pictures, PanelWidget* widget)
      : ControlView(panel, widget), panel_(panel), pictures_(pictures), widget_(widget) {}

  struct State {
    BevelCut outer, inner;
    int width;
    BorderStyle border;
    std::string picture;
    bool operator==(const State&) const = default;
  };

  Panel& panel_;
  PictureBook& pictures_;
  PanelWidget* widget_;
  bool known_ = false;
  State state_{};
};

class GroupBoxWidget : public ContainerWidget {
 public:
  using ContainerWidget::ContainerWidget;
  std::string caption;

 protected:
  // An etched frame whose top runs through the middle of the caption.
  void DrawFace(const ControlView::Look& look) override {
    fl_rectf(x(), y(), w(), h(), look.color);
    fl_font(look.font.face, look.font.size);
    const int top = y() + fl_height() / 2;
    const int r = x() + w() - 2, b = y() + h() - 2;
    DrawEtchedLine(x(), top, r, top);
    DrawEtchedLine(x(), b, r, b);
    DrawEtchedLine(x(), top, x(), b);
    DrawEtchedLine(r, top, r, b);
    if (caption.empty()) return;
    const int tw = static_cast<int>(fl_width(caption.c_str()));
    fl_rectf(x() + 8, y(), tw, fl_height(), look.color);
    fl_color(active_r() ? look.font.color : fl_inactive(look.font.color));
    fl_draw(caption.c_str(), x() + 8, y() + fl_height() - fl_descent());
  }
};

class GroupBoxView : public ControlView {
 public:
  explicit GroupBoxView(GroupBox& group) : GroupBoxView(group, new GroupBoxWidget(*this)) {}
  Fl_Group* ChildGroup() override { return widget_; }

 protected:
  void ApplyLook(const Look& look) override { widget_->caption = PlainCaption(look.caption); }

 private:
  GroupBoxView(GroupBox& group, GroupBoxWidget* widget) : ControlView(group, widget), widget_(widget) {}
  GroupBoxWidget* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakePanelView(Panel& panel, PictureBook& pictures) {
  return std::make_unique<PanelView>(panel, pictures);
}

std::unique_ptr<ControlView> MakeGroupBoxView(GroupBox& group) {
  return std::make_unique<GroupBoxView>(group);
}

}  // namespace forms::fltk
