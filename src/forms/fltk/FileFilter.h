#pragma once
// File-type filters: the model's "Description|pattern;pattern|..." form (as
// Windows-1250 text) turned into the file chooser's tab-separated
// "Description (pattern)" form in UTF-8. "*.*" becomes "*", and several
// patterns of one entry become one "{a,b}" alternative.
#include <string>

namespace forms::fltk {

std::string ChooserFilter(const std::string& filter);

}  // namespace forms::fltk
