#pragma once
// The widget of one control and how it follows the model. Sync reads the
// control, compares with what the widget shows and updates (and repaints)
// only what changed, so calling it often is cheap.
#include <memory>
#include <optional>
#include <string>

#include "forms/controls.h"
#include "forms/fltk/Appearance.h"

class Fl_Group;
class Fl_Widget;

namespace forms::fltk {

class PictureBook;

class ControlView {
 public:
  ControlView(Control& control, Fl_Widget* widget);
  virtual ~ControlView();
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  Control& Model() const { return control_; }
  Fl_Widget* Widget() const { return widget_; }
  // The group that holds the widgets of child controls (panels, group boxes).
  virtual Fl_Group* ChildGroup() { return nullptr; }

  void Sync();

  // What every control shows: place, state, colour, font and caption.
  struct Look {
    int x = 0, y = 0, w = 0, h = 0;
    bool visible = true, enabled = true, transparent = false;
    Fl_Color color = 0;
    FlFont font;
    std::string caption;  // Windows-1250, as in the model
    bool operator==(const Look&) const = default;
  };
  const Look& Current() const { return look_; }

 protected:
  // Lets a control size itself from its content (auto-sized labels).
  virtual void Measure(Look&) {}
  // Applies colour, font and caption to the widget.
  virtual void ApplyLook(const Look&) {}
  // Brings the control's own content up to date; returns whether it changed
  // anything that needs painting.
  virtual bool SyncContent() { return false; }
  // Repaints the widget's area together with whatever lies behind it, which
  // transparent and moved widgets need.
  void Repaint() const;

  // The caption as the widget's label, in the look's font, on its colour.
  static void ApplyLabelLook(Fl_Widget& widget, const Look& look);
  // The look's font and colour for widgets that show text of their own
  // (edits, lists, memos).
  template <class TextWidget>
  static void ApplyTextLook(TextWidget& widget, const Look& look) {
    widget.textfont(look.font.face);
    widget.textsize(look.font.size);
    widget.textcolor(look.font.color);
    widget.color(look.color);
  }

 private:
  Control& control_;
  Fl_Widget* widget_;  // owned by its FLTK parent group
  Look look_;
  bool synced_ = false;
};

std::unique_ptr<ControlView> MakeView(Control& control, PictureBook& pictures);

}  // namespace forms::fltk
