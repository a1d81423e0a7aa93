// Memos and rich-text areas: read-only text with word wrapping and scroll
// bars. Lines only appended since the last look are added at the end; any
// other change replaces the text.
#include "forms/fltk/FlDraw.h"  // first: it keeps Xlib macros out
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include <memory>

#include "forms/fltk/Text.h"
#include "forms/fltk/views/Views.h"

namespace forms::fltk {
namespace {

class MemoView : public ControlView {
 public:
  explicit MemoView(Memo& memo)
      : ControlView(memo, new Fl_Text_Display(0, 0, 0, 0)),
        memo_(memo),
        widget_(static_cast<Fl_Text_Display*>(Widget())),
        buffer_(std::make_unique<Fl_Text_Buffer>()) {
    // The window that holds the widget deletes it before this view goes, so
    // the buffer outlives the display that refers to it.
    widget_->buffer(buffer_.get());
    widget_->box(FL_DOWN_BOX);
  }

 protected:
  void ApplyLook(const Look& look) override {
    ApplyTextLook(*widget_, look);
  }

  bool SyncContent() override {
    bool changed = false;
    if (!built_ || memo_.WordWrap != wrap_ || memo_.Scroll != scroll_) {
      wrap_ = memo_.WordWrap;
      scroll_ = memo_.Scroll;
      widget_->wrap_mode(wrap_ ? Fl_Text_Display::WRAP_AT_BOUNDS : Fl_Text_Display::WRAP_NONE, 0);
      widget_->scrollbar_width(scroll_ == ScrollBars::None ? 0 : 16);
      changed = true;
    }
    const Strings& lines = memo_.Lines;
    if (built_ && lines.Revision() == revision_) return changed;
    if (!built_ || lines.Rewrites() != rewrites_ || lines.Count() < shown_) {
      buffer_->text("");
      shown_ = 0;
    }
    std::string more;
    for (int i = shown_; i < lines.Count(); ++i) {
      if (i > 0) more += '\n';
      more += DisplayText(lines[i]);
    }
    buffer_->append(more.c_str());
    built_ = true;
    shown_ = lines.Count();
    revision_ = lines.Revision();
    rewrites_ = lines.Rewrites();
    return true;
  }

 private:
  Memo& memo_;
  Fl_Text_Display* widget_;
  std::unique_ptr<Fl_Text_Buffer> buffer_;
  bool built_ = false;
  bool wrap_ = true;
  ScrollBars scroll_ = ScrollBars::Vertical;
  int shown_ = 0;
  uint64_t revision_ = 0;
  uint64_t rewrites_ = 0;
};

}  // namespace

std::unique_ptr<ControlView> MakeMemoView(Memo& memo) { return std::make_unique<MemoView>(memo); }

}  // namespace forms::fltk
