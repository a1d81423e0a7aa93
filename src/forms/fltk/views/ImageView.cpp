// Pictures: drawn from the control's top-left corner, or stretched over the
// control (the stretched copy is made once per size).
#include <FL/Fl_Image.H>
#include <FL/Fl_Widget.H>
#include "forms/fltk/FlDraw.h"

#include <memory>

#include "forms/fltk/PictureBook.h"
#include "forms/fltk/views/Views.h"

namespace forms::fltk {
namespace {

class ImageWidget : public Fl_Widget {
 public:
  ImageWidget() : Fl_Widget(0, 0, 0, 0) {}
  Fl_Image* picture = nullptr;
  bool stretch = false;

  void draw() override {
    if (!picture) return;
    Fl_Image* shown = picture;
    if (stretch && (picture->w() != w() || picture->h() != h())) {
      if (!scaled_ || scaled_->w() != w() || scaled_->h() != h() || scaled_from_ != picture) {
        scaled_.reset(picture->copy(w(), h()));
        scaled_from_ = picture;
      }
      shown = scaled_.get();
    }
    fl_push_clip(x(), y(), w(), h());
    shown->draw(x(), y());
    fl_pop_clip();
  }

 private:
  std::unique_ptr<Fl_Image> scaled_;
  const Fl_Image* scaled_from_ = nullptr;
};

class ImageView : public ControlView {
 public:
  ImageView(Image& image, PictureBook& pictures)
      : ControlView(image, new ImageWidget),
        image_(image),
        pictures_(pictures),
        widget_(static_cast<ImageWidget*>(Widget())) {}

 protected:
  bool SyncContent() override {
    if (known_ && image_.Picture == picture_ && image_.Stretch == widget_->stretch) return false;
    known_ = true;
    picture_ = image_.Picture;
    widget_->picture = pictures_.Find(picture_);
    widget_->stretch = image_.Stretch;
    return true;
  }

 private:
  Image& image_;
  PictureBook& pictures_;
  ImageWidget* widget_;
  bool known_ = false;
  std::string picture_;
};

}  // namespace

std::unique_ptr<ControlView> MakeImageView(Image& image, PictureBook& pictures) {
  return std::make_unique<ImageView>(image, pictures);
}

}  // namespace forms::fltk
