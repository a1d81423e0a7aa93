#pragma once
// FLTK's drawing functions. Their header brings in Xlib, whose None macro
// would clash with the model's enumerators, so it is dropped here; include
// this instead of <FL/fl_draw.H>.
#include <FL/fl_draw.H>

#undef None
