#pragma once
// The save and open dialogs on FLTK's file chooser.
#include <optional>
#include <string>

#include "forms/dialogs.h"

namespace forms::fltk {

class Desktop;

// Runs the chooser modally: the chosen path, or nothing when cancelled.
// Paths (starting folder, proposed name, result) are host paths as the
// program's bytes, passed through unchanged like every other path; the title
// and the filter descriptions are Windows-1250 texts.
std::optional<std::string> RunFileChooser(Desktop& desktop, const FileDialogRequest& request);

}  // namespace forms::fltk
