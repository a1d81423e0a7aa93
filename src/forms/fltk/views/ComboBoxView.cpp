// Selection-only drop-down lists. The user's pick goes to ComboBox::UserSelect
// (every pick, also of the item already shown); an index set from code only
// changes what is shown and fires nothing.
#include <FL/Fl_Choice.H>
#include <FL/Fl_Menu_Item.H>

#include <vector>

#include "forms/fltk/Guard.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"
#include "forms/form.h"

namespace forms::fltk {
namespace {

class ComboBoxView : public ControlView {
 public:
  explicit ComboBoxView(ComboBox& combo)
      : ControlView(combo, new Fl_Choice(0, 0, 0, 0)),
        combo_(combo),
        widget_(static_cast<Fl_Choice*>(Widget())) {
    widget_->when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
    widget_->callback(&ComboBoxView::Picked, this);
    widget_->down_box(FL_DOWN_BOX);
  }

 protected:
  void ApplyLook(const Look& look) override {
    widget_->textfont(look.font.face);
    widget_->textsize(look.font.size);
    widget_->textcolor(look.font.color);
    for (Fl_Menu_Item& item : items_) {
      if (!item.text) continue;
      item.labelfont(look.font.face);
      item.labelsize(look.font.size);
    }
  }

  bool SyncContent() override {
    bool changed = false;
    if (!built_ || combo_.Items.Revision() != revision_) {
      built_ = true;
      revision_ = combo_.Items.Revision();
      Rebuild();
      changed = true;
    }
    const int index =
        combo_.ItemIndex >= 0 && combo_.ItemIndex < combo_.Items.Count() ? combo_.ItemIndex : -1;
    if (changed || widget_->value() != index) {
      widget_->value(index);
      changed = true;
    }
    return changed;
  }

 private:
  void Rebuild() {
    texts_.clear();
    for (const std::string& item : combo_.Items.Items()) texts_.push_back(WidgetLabel(item));
    items_.assign(texts_.size() + 1, Fl_Menu_Item{});
    for (size_t i = 0; i < texts_.size(); ++i) {
      items_[i].text = texts_[i].c_str();
      items_[i].labelfont(Current().font.face);
      items_[i].labelsize(Current().font.size);
    }
    widget_->menu(items_.data());
  }

  static void Picked(Fl_Widget*, void* data) {
    auto* self = static_cast<ComboBoxView*>(data);
    const int index = self->widget_->value();
    Guarded(self->combo_.Owner().App(), [self, index] { self->combo_.UserSelect(index); });
    self->SyncContent();
  }

  ComboBox& combo_;
  Fl_Choice* widget_;
  bool built_ = false;
  uint64_t revision_ = 0;
  std::vector<std::string> texts_;      // UTF-8 item texts the menu points into
  std::vector<Fl_Menu_Item> items_;     // the menu, ended by an empty item
};

}  // namespace

std::unique_ptr<ControlView> MakeComboBoxView(ComboBox& combo) {
  return std::make_unique<ComboBoxView>(combo);
}

}  // namespace forms::fltk
