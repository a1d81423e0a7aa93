// List boxes, among them the ticket list that takes tens of thousands of
// lines in one run. Lines only appended since the last look are added at the
// end; any other change rebuilds the list. The user's selection goes to
// ListBox::UserSelect.
#include <FL/Fl_Hold_Browser.H>

#include "forms/fltk/Guard.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"
#include "forms/form.h"

namespace forms::fltk {
namespace {

class ListBoxView : public ControlView {
 public:
  explicit ListBoxView(ListBox& list)
      : ControlView(list, new Fl_Hold_Browser(0, 0, 0, 0)),
        list_(list),
        widget_(static_cast<Fl_Hold_Browser*>(Widget())) {
    widget_->format_char(0);  // lines are plain text, never formatting codes
    widget_->box(FL_DOWN_BOX);
    widget_->when(FL_WHEN_CHANGED);
    widget_->callback(&ListBoxView::Selected, this);
  }

 protected:
  void ApplyLook(const Look& look) override {
    ApplyTextLook(*widget_, look);
    widget_->selection_color(ColorOf(colors::Navy));
  }

  bool SyncContent() override {
    const Strings& items = list_.Items;
    bool changed = false;
    if (!built_ || items.Rewrites() != rewrites_ || items.Count() < shown_) {
      widget_->clear();
      shown_ = 0;
      built_ = true;
      changed = true;
    }
    if (items.Revision() != revision_ || changed) {
      for (int i = shown_; i < items.Count(); ++i) widget_->add(DisplayText(items[i]).c_str());
      changed = changed || shown_ != items.Count();
      shown_ = items.Count();
      revision_ = items.Revision();
      rewrites_ = items.Rewrites();
    }
    const int line = list_.ItemIndex >= 0 && list_.ItemIndex < shown_ ? list_.ItemIndex + 1 : 0;
    if (widget_->value() != line) {
      if (line)
        widget_->value(line);
      else
        widget_->deselect();
      changed = true;
    }
    return changed;
  }

 private:
  static void Selected(Fl_Widget*, void* data) {
    auto* self = static_cast<ListBoxView*>(data);
    const int index = self->widget_->value() - 1;
    if (index < 0) return;
    Guarded(self->list_.Owner().App(), [self, index] { self->list_.UserSelect(index); });
    self->SyncContent();
  }

  ListBox& list_;
  Fl_Hold_Browser* widget_;
  bool built_ = false;
  int shown_ = 0;  // lines in the widget, the first ones of the model's list
  uint64_t revision_ = 0;
  uint64_t rewrites_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> MakeListBoxView(ListBox& list) {
  return std::make_unique<ListBoxView>(list);
}

}  // namespace forms::fltk
