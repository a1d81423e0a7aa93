#pragma once
// Drawing pieces shared by the custom-drawn controls.
class Fl_Image;

namespace forms::fltk {

// Repeats the picture from the area's top-left corner to fill the area.
void TilePicture(Fl_Image* picture, int x, int y, int w, int h);
// A bevel `width` pixels wide just inside the rectangle: light on the top and
// left and dark on the bottom and right when raised, the other way round when
// lowered.
void DrawBevel(int x, int y, int w, int h, bool raised, int width);
// The etched line of frames and separators: a shadow line with a highlight
// line just below (or right of) it.
void DrawEtchedLine(int x1, int y1, int x2, int y2);

}  // namespace forms::fltk
