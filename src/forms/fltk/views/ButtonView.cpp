// Push buttons and picture buttons: a press is Button::Click.
#include <FL/Fl_Button.H>
#include <FL/Fl_Image.H>

#include "forms/fltk/Guard.h"
#include "forms/fltk/PictureBook.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"
#include "forms/form.h"

namespace forms::fltk {
namespace {

class ButtonView : public ControlView {
 public:
  ButtonView(Button& button, PictureBook& pictures)
      : ControlView(button, new Fl_Button(0, 0, 0, 0)),
        button_(button),
        widget_(static_cast<Fl_Button*>(Widget())),
        pictures_(pictures) {
    widget_->callback(&ButtonView::Pressed, this);
  }

 protected:
  void ApplyLook(const Look& look) override {
    ApplyLabelLook(*widget_, look);
    PlaceGlyph();
  }

  bool SyncContent() override {
    if (button_.Kind != ControlKind::BitBtn) return false;
    const std::string& glyph = static_cast<BitBtn&>(button_).Glyph;
    if (glyph_known_ && glyph == glyph_) return false;
    glyph_known_ = true;
    glyph_ = glyph;
    widget_->image(pictures_.Find(glyph_));
    PlaceGlyph();
    return true;
  }

 private:
  // The glyph stands left of the caption, or alone in the middle.
  void PlaceGlyph() {
    if (widget_->image() && Current().caption.empty())
      widget_->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
    else if (widget_->image())
      widget_->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE | FL_ALIGN_IMAGE_NEXT_TO_TEXT);
    else
      widget_->align(FL_ALIGN_CENTER | FL_ALIGN_INSIDE);
  }

  static void Pressed(Fl_Widget*, void* data) {
    auto* self = static_cast<ButtonView*>(data);
    Guarded(self->button_.Owner().App(), [self] { self->button_.Click(); });
  }

  Button& button_;
  Fl_Button* widget_;
  PictureBook& pictures_;
  bool glyph_known_ = false;
  std::string glyph_;
};

}  // namespace

std::unique_ptr<ControlView> MakeButtonView(Button& button, PictureBook& pictures) {
  return std::make_unique<ButtonView>(button, pictures);
}

}  // namespace forms::fltk
