#include "forms/fltk/Pictures.h"

#include <iterator>

namespace forms::fltk {
namespace {

#include "pictures/background.xpm"
#include "pictures/language_background.xpm"
#include "pictures/main_menu.xpm"
#include "pictures/panel_background.xpm"
#include "pictures/stop_sign.xpm"

struct Entry {
  const char* name;
  const char* const* xpm;
};

// "MainMenu": the main menu's picture, 113x137; "Background": the tile behind
// the generator window; "PanelBackground": the tile of its panels;
// "LanguageBackground": the language form's panel, 121x153; "StopSign": the
// 15x15 glyph of the stop button.
constexpr Entry kPictures[] = {
    {"MainMenu", main_menu_xpm},
    {"Background", background_xpm},
    {"PanelBackground", panel_background_xpm},
    {"LanguageBackground", language_background_xpm},
    {"StopSign", stop_sign_xpm},
};

}  // namespace

const char* const* PictureXpm(const std::string& name) {
  for (const Entry& e : kPictures)
    if (name == e.name) return e.xpm;
  return nullptr;
}

std::vector<std::string> PictureNames() {
  std::vector<std::string> names;
  for (const Entry& e : kPictures) names.emplace_back(e.name);
  return names;
}

}  // namespace forms::fltk
