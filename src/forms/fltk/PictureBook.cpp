#include "forms/fltk/PictureBook.h"

#include <FL/Fl_Pixmap.H>

#include "forms/fltk/Pictures.h"

namespace forms::fltk {

PictureBook::PictureBook() = default;
PictureBook::~PictureBook() = default;

Fl_Image* PictureBook::Find(const std::string& name) {
  if (name.empty()) return nullptr;
  auto it = made_.find(name);
  if (it != made_.end()) return it->second.get();
  const char* const* xpm = PictureXpm(name);
  if (!xpm) return nullptr;
  return (made_[name] = std::make_unique<Fl_Pixmap>(xpm)).get();
}

}  // namespace forms::fltk
