// Edit fields. A character typed at the end of the text (and backspace there)
// goes to Edit::UserKeyPress, so the key handler sees it as on the platform;
// any other change (typing in the middle, deleting a selection, pasting) is
// handed over whole through Edit::UserSetText. The model's text then goes
// back into the field.
#include <FL/Fl.H>
#include <FL/Fl_Input.H>

#include "forms/fltk/Guard.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"
#include "forms/form.h"
#include "platform/cp1250.h"

namespace forms::fltk {
namespace {

class EditView;

class EditWidget : public Fl_Input {
 public:
  explicit EditWidget(EditView& view) : Fl_Input(0, 0, 0, 0), view_(view) {}
  int handle(int event) override;

 private:
  EditView& view_;
};

class EditView : public ControlView {
 public:
  explicit EditView(Edit& edit)
      : ControlView(edit, new EditWidget(*this)),
        edit_(edit),
        widget_(static_cast<EditWidget*>(Widget())) {
    widget_->when(FL_WHEN_CHANGED);
    widget_->callback(&EditView::Changed, this);
  }

  // A key typed with the cursor at the end of the text and nothing selected;
  // returns whether the model took it.
  bool TypedAtEnd() {
    if (widget_->readonly() || widget_->position() != widget_->size() ||
        widget_->mark() != widget_->position())
      return false;
    if (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) return false;
    char key = 0;
    if (Fl::event_key() == FL_BackSpace) {
      key = '\b';
    } else {
      const std::string typed = platform::Utf8ToCp1250(
          std::string(Fl::event_text(), static_cast<size_t>(Fl::event_length())));
      if (typed.size() != 1 || static_cast<unsigned char>(typed[0]) < 32) return false;
      key = typed[0];
    }
    Guarded(edit_.Owner().App(), [&] { edit_.UserKeyPress(key); });
    SyncContent();
    return true;
  }

 protected:
  void ApplyLook(const Look& look) override {
    ApplyTextLook(*widget_, look);
  }

  bool SyncContent() override {
    widget_->readonly(edit_.ReadOnly ? 1 : 0);
    if (edit_.Text == shown_) return false;
    shown_ = edit_.Text;
    const std::string text = DisplayText(shown_);
    if (text != widget_->value()) {
      widget_->value(text.c_str());
      widget_->position(widget_->size());
    }
    return false;  // the input repaints itself
  }

 private:
  static void Changed(Fl_Widget*, void* data) {
    auto* self = static_cast<EditView*>(data);
    const std::string text = platform::Utf8ToCp1250(self->widget_->value());
    self->shown_ = text;
    Guarded(self->edit_.Owner().App(), [self, &text] { self->edit_.UserSetText(text); });
  }

  Edit& edit_;
  EditWidget* widget_;
  std::string shown_;  // the model text the field last showed (Windows-1250)
};

int EditWidget::handle(int event) {
  if (event == FL_KEYBOARD && view_.TypedAtEnd()) return 1;
  return Fl_Input::handle(event);
}

}  // namespace

std::unique_ptr<ControlView> MakeEditView(Edit& edit) { return std::make_unique<EditView>(edit); }

}  // namespace forms::fltk
