#include "forms/fltk/FileChooser.h"

#include <FL/Fl_File_Chooser.H>
#include <FL/Fl_Window.H>
#include <FL/fl_ask.H>

#include "forms/fltk/Desktop.h"
#include "forms/fltk/FileFilter.h"
#include "forms/fltk/Text.h"
#include "platform/files.h"

namespace forms::fltk {
namespace {

// The chooser speaks the programs' language. FLTK keeps these texts in its
// own globals; they are set before every use, always to the same values.
void UseSlovakLabels() {
  Fl_File_Chooser::add_favorites_label = "Pridať k obľúbeným";
  Fl_File_Chooser::all_files_label = "Všetky súbory (*)";
  Fl_File_Chooser::custom_filter_label = "Vlastný filter";
  Fl_File_Chooser::existing_file_label = "Súbor už existuje. Prepísať?";
  Fl_File_Chooser::favorites_label = "Obľúbené";
  Fl_File_Chooser::filename_label = "Názov súboru:";
  Fl_File_Chooser::filesystems_label = "Disky";
  Fl_File_Chooser::manage_favorites_label = "Spravovať obľúbené";
  Fl_File_Chooser::new_directory_label = "Nový priečinok:";
  Fl_File_Chooser::new_directory_tooltip = "Vytvoriť nový priečinok";
  Fl_File_Chooser::preview_label = "Náhľad";
  Fl_File_Chooser::save_label = "Uložiť";
  Fl_File_Chooser::show_label = "Typ:";
  Fl_File_Chooser::hidden_label = "Skryté súbory";
  fl_cancel = "Zrušiť";
}

}  // namespace

std::optional<std::string> RunFileChooser(Desktop& desktop, const FileDialogRequest& request) {
  UseSlovakLabels();
  const std::string dir =
      request.InitialDir.empty() ? platform::GetCurrentDir() : request.InitialDir;
  const std::string filter = ChooserFilter(request.Filter);
  const std::string title = DisplayText(request.Title);
  Fl_File_Chooser chooser(dir.c_str(), filter.empty() ? nullptr : filter.c_str(),
                          request.Kind == FileDialogKind::Save ? Fl_File_Chooser::CREATE
                                                               : Fl_File_Chooser::SINGLE,
                          title.c_str());
  chooser.preview(0);
  if (!request.FileName.empty()) {
    // A proposed name is placed in the starting folder (a bare name would be
    // taken relative to the process's current folder).
    const std::string proposed = request.FileName.find('/') == std::string::npos
                                     ? platform::IncludeTrailingDelimiter(dir) + request.FileName
                                     : request.FileName;
    chooser.value(proposed.c_str());
  }
  // Its window gets a class name of its own, as forms get theirs, so that
  // tests can find it.
  const std::string previous_class = Fl_Window::default_xclass();
  Fl_Window::default_xclass(request.Kind == FileDialogKind::Save ? "TSaveDialog" : "TOpenDialog");
  chooser.show();
  Fl_Window::default_xclass(previous_class.c_str());
  while (chooser.shown()) desktop.WaitOnce();
  if (chooser.count() < 1 || !chooser.value()) return std::nullopt;
  return std::string(chooser.value());
}

}  // namespace forms::fltk
