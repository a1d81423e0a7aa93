#pragma once
// Laying out the controls of tivra's windows at design time.
#include <string>

#include "forms/controls.h"

namespace tivra {

// A transparent one-line label (13 pixels high) at its place.
inline void SetUpLabel(forms::Label& label, int left, int top, int width,
                       const std::string& caption) {
  label.SetBounds(left, top, width, 13);
  label.Caption = caption;
  label.Transparent = true;
}

}  // namespace tivra
