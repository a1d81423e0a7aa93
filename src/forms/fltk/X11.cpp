#include "forms/fltk/X11.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace forms::fltk {

void OpenDisplay() { fl_open_display(); }

void SetTitleBarButtons(Fl_Window& window, bool close_box, bool minimize_box) {
  if (!window.shown()) return;
  // The window manager hints that Motif introduced and most managers read.
  struct MotifHints {
    unsigned long flags, functions, decorations;
    long input_mode;
    unsigned long status;
  };
  constexpr unsigned long kFunctions = 1, kDecorations = 2;
  constexpr unsigned long kFuncMove = 4, kFuncMinimize = 8, kFuncClose = 32;
  constexpr unsigned long kDecorBorder = 2, kDecorTitle = 8, kDecorMenu = 16,
                          kDecorMinimize = 32;
  MotifHints hints{kFunctions | kDecorations, kFuncMove, kDecorBorder | kDecorTitle, 0, 0};
  if (close_box) {
    hints.functions |= kFuncClose;
    hints.decorations |= kDecorMenu;
    if (minimize_box) {
      hints.functions |= kFuncMinimize;
      hints.decorations |= kDecorMinimize;
    }
  }
  const Atom property = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, fl_xid(&window), property, property, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(&hints), 5);
}

}  // namespace forms::fltk
