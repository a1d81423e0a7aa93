#pragma once
// The plain message box: the text, one OK button, the given title.
#include <string>

namespace forms::fltk {

class Desktop;

// Shows the box modally and returns when it is dismissed (OK, Enter, Escape
// or its close button). Texts are Windows-1250.
void RunMessageBox(Desktop& desktop, const std::string& text, const std::string& title);

}  // namespace forms::fltk
