// Check boxes and radio buttons. FLTK flips its own mark on a click; the
// click then goes to the model (CheckBox::UserClick, RadioButton::UserClick,
// which also clears the rest of a radio group) and the marks are set back
// from the model, so a click the model refuses changes nothing.
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Round_Button.H>

#include "forms/fltk/Guard.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"
#include "forms/form.h"

namespace forms::fltk {
namespace {

template <class M, class W>
class MarkView : public ControlView {
 public:
  explicit MarkView(M& model)
      : ControlView(model, new W(0, 0, 0, 0)),
        model_(model),
        widget_(static_cast<W*>(Widget())) {
    widget_->callback(&MarkView::Clicked, this);
  }

 protected:
  void ApplyLook(const Look& look) override {
    ApplyLabelLook(*widget_, look);
    widget_->box(look.transparent ? FL_NO_BOX : FL_FLAT_BOX);
  }

  bool SyncContent() override {
    const int checked = IsChecked(model_) ? 1 : 0;
    if (widget_->value() == checked) return false;
    widget_->value(checked);
    return true;
  }

 private:
  static bool IsChecked(const CheckBox& c) { return c.Checked; }
  static bool IsChecked(const RadioButton& r) { return r.Checked(); }

  static void Clicked(Fl_Widget*, void* data) {
    auto* self = static_cast<MarkView*>(data);
    Guarded(self->model_.Owner().App(), [self] { self->model_.UserClick(); });
    self->SyncContent();
  }

  M& model_;
  W* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakeCheckBoxView(CheckBox& check) {
  return std::make_unique<MarkView<CheckBox, Fl_Check_Button>>(check);
}

std::unique_ptr<ControlView> MakeRadioButtonView(RadioButton& radio) {
  return std::make_unique<MarkView<RadioButton, Fl_Round_Button>>(radio);
}

}  // namespace forms::fltk
