#include "forms/fltk/Appearance.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace forms::fltk {

Fl_Color ColorOf(TColor color) {
  return fl_rgb_color(static_cast<uchar>(color >> 16), static_cast<uchar>(color >> 8),
                      static_cast<uchar>(color));
}

namespace {

bool Contains(std::string text, const char* word) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text.find(word) != std::string::npos;
}

}  // namespace

FlFont FontOf(const TFont& font) {
  FlFont f;
  if (Contains(font.Name, "courier") || Contains(font.Name, "fixedsys") ||
      Contains(font.Name, "terminal"))
    f.face = FL_COURIER;
  else if (Contains(font.Name, "times") ||
           (Contains(font.Name, "serif") && !Contains(font.Name, "sans")))
    f.face = FL_TIMES;
  if (font.Bold) f.face += FL_BOLD;
  f.size = font.Height > 0 ? font.Height : 11;
  f.color = ColorOf(font.FontColor);
  return f;
}

}  // namespace forms::fltk
