#include "forms/fltk/MessageBox.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Button.H>
#include "forms/fltk/FlDraw.h"

#include <algorithm>

#include "forms/fltk/Desktop.h"
#include "forms/fltk/Text.h"
#include "forms/fltk/X11.h"

namespace forms::fltk {
namespace {

constexpr int kMargin = 16, kButtonW = 75, kButtonH = 25, kMinTextW = 120;
constexpr Fl_Fontsize kFontSize = 11;

void Dismiss(Fl_Widget* widget, void*) {
  Fl_Window* box = widget->window() ? widget->window() : widget->as_window();
  if (box) box->hide();
}

}  // namespace

void RunMessageBox(Desktop& desktop, const std::string& text, const std::string& title) {
  OpenDisplay();
  const std::string message = WidgetLabel(text);
  fl_font(FL_HELVETICA, kFontSize);
  int tw = 0, th = 0;
  fl_measure(message.c_str(), tw, th, 1);
  tw = std::max(tw, kMinTextW);
  th = std::max(th, fl_height());
  const int w = tw + 2 * kMargin;
  const int h = kMargin + th + kMargin + kButtonH + 12;

  Fl_Double_Window box(w, h);
  box.xclass("TMessageForm");
  box.copy_label(DisplayText(title).c_str());
  Fl_Box label(kMargin, kMargin, tw, th);
  label.copy_label(message.c_str());
  label.labelfont(FL_HELVETICA);
  label.labelsize(kFontSize);
  label.align(FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE | FL_ALIGN_NOWRAP);
  Fl_Button ok((w - kButtonW) / 2, h - kButtonH - 12, kButtonW, kButtonH, "OK");
  ok.shortcut(FL_Enter);
  ok.labelsize(kFontSize);
  ok.callback(Dismiss);
  box.end();
  box.callback(Dismiss);  // close button and Escape
  box.size_range(w, h, w, h);
  box.set_modal();
  int sx, sy, sw, sh;
  Fl::screen_work_area(sx, sy, sw, sh);
  box.position(sx + (sw - w) / 2, sy + (sh - h) / 2);
  box.show();
  while (box.shown()) desktop.WaitOnce();
}

}  // namespace forms::fltk
