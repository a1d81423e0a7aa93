#pragma once
// The pictures a back-end draws, made from the compiled-in XPM text on first
// use and kept for the back-end's life.
#include <map>
#include <memory>
#include <string>

class Fl_Image;

namespace forms::fltk {

class PictureBook {
 public:
  PictureBook();
  ~PictureBook();
  PictureBook(const PictureBook&) = delete;
  PictureBook& operator=(const PictureBook&) = delete;

  // The picture of that name; null for an empty or unknown name, which then
  // draws nothing.
  Fl_Image* Find(const std::string& name);

 private:
  std::map<std::string, std::unique_ptr<Fl_Image>> made_;
};

}  // namespace forms::fltk
