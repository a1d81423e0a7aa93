#pragma once
// The few things done with the X window system directly. Kept apart because
// Xlib's macros (None, Bool, Status ...) clash with the model's names.
class Fl_Window;

namespace forms::fltk {

// Opens the display connection if it is not open yet (text can only be
// measured with it).
void OpenDisplay();
// Tells the window manager which title-bar buttons a mapped window has: a
// move-only window with a title, plus a close button (and a minimise button)
// when asked. No window can be resized or maximised.
void SetTitleBarButtons(Fl_Window& window, bool close_box, bool minimize_box);

}  // namespace forms::fltk
