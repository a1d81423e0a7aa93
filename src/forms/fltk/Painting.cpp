#include "forms/fltk/Painting.h"

#include <FL/Fl_Image.H>
#include "forms/fltk/FlDraw.h"

namespace forms::fltk {
namespace {
const Fl_Color kHighlight = fl_rgb_color(255, 255, 255);
const Fl_Color kShadow = fl_rgb_color(128, 128, 128);
}  // namespace

void TilePicture(Fl_Image* picture, int x, int y, int w, int h) {
  if (!picture || picture->w() <= 0 || picture->h() <= 0 || w <= 0 || h <= 0) return;
  fl_push_clip(x, y, w, h);
  for (int ty = y; ty < y + h; ty += picture->h())
    for (int tx = x; tx < x + w; tx += picture->w()) picture->draw(tx, ty);
  fl_pop_clip();
}

void DrawBevel(int x, int y, int w, int h, bool raised, int width) {
  for (int i = 0; i < width && w - 2 * i > 1 && h - 2 * i > 1; ++i) {
    const int l = x + i, t = y + i, r = x + w - 1 - i, b = y + h - 1 - i;
    fl_color(raised ? kHighlight : kShadow);
    fl_yxline(l, b - 1, t, r - 1);  // left edge up, then the top edge
    fl_color(raised ? kShadow : kHighlight);
    fl_xyline(l, b, r, t);  // bottom edge, then the right edge up
  }
}

void DrawEtchedLine(int x1, int y1, int x2, int y2) {
  const bool horizontal = y1 == y2;
  fl_color(kShadow);
  fl_line(x1, y1, x2, y2);
  fl_color(kHighlight);
  if (horizontal)
    fl_line(x1, y1 + 1, x2, y2 + 1);
  else
    fl_line(x1 + 1, y1, x2 + 1, y2);
}

}  // namespace forms::fltk
