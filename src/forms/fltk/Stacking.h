#pragma once
// How the controls of a form stack. As on the platform the programs were
// designed for, the controls that are windows of their own (buttons, edits,
// lists, panels ...) always lie above the graphic controls of the same parent
// (labels, images, separators, gauges); within each of the two kinds, a
// control made later lies above one made earlier.
#include <vector>

#include "forms/controls.h"

namespace forms::fltk {

bool IsWindowed(ControlKind kind);

// The controls in the order in which to make their widgets: every parent
// before its children, and the children of one parent bottom first. Adding
// each widget at the top of its parent in this order gives the stacking
// above. A control whose parent is not in the list counts as a top control.
std::vector<Control*> BuildOrder(const std::vector<Control*>& controls);

}  // namespace forms::fltk
