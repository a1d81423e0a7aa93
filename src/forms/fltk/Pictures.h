#pragma once
// The programs' own pictures, compiled in as XPM text (sources and the script
// that draws them are in pictures/). A picture is looked up by name.
#include <string>
#include <vector>

namespace forms::fltk {

// The XPM lines of a picture, or null for a name that is not one of ours.
const char* const* PictureXpm(const std::string& name);
std::vector<std::string> PictureNames();

}  // namespace forms::fltk
