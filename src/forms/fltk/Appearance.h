#pragma once
// The model's colours and fonts as FLTK sees them.
#include <FL/Enumerations.H>

#include "forms/graphics.h"

namespace forms::fltk {

struct FlFont {
  Fl_Font face = FL_HELVETICA;
  Fl_Fontsize size = 11;
  Fl_Color color = FL_BLACK;
  bool operator==(const FlFont&) const = default;
};

Fl_Color ColorOf(TColor color);
// The nearest FLTK face: the sans-serif faces for the dialog fonts, the
// fixed and serif faces for the fonts of those kinds; sizes in pixels.
FlFont FontOf(const TFont& font);

}  // namespace forms::fltk
