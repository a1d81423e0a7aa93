#pragma once
// Colours and fonts of the form model.
#include <cstdint>
#include <string>

namespace forms {

using TColor = uint32_t;  // 0xRRGGBB

namespace colors {
constexpr TColor Black = 0x000000;
constexpr TColor White = 0xFFFFFF;
constexpr TColor Silver = 0xC0C0C0;
constexpr TColor Gray = 0x808080;
constexpr TColor Lime = 0x00FF00;
constexpr TColor Red = 0xFF0000;
constexpr TColor Navy = 0x000080;
constexpr TColor BtnFace = 0xD4D0C8;  // face of buttons and dialog backgrounds
constexpr TColor Window = 0xFFFFFF;   // background of edits and lists
}  // namespace colors

struct TFont {
  std::string Name = "MS Sans Serif";
  int Height = 11;  // pixels
  bool Bold = false;
  TColor FontColor = colors::Black;
};

}  // namespace forms
