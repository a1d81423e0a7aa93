#pragma once
// The save and open dialogs. Execute asks the back-end to run the dialog and
// returns false when the user cancels.
#include <string>

namespace forms {

class Application;

enum class FileDialogKind { Save, Open };

struct FileDialogRequest {
  FileDialogKind Kind = FileDialogKind::Save;
  std::string Title;
  std::string DefaultExt;  // without the dot, e.g. "txt"
  std::string Filter;      // "Text files (*.txt)|*.txt|All files (*.*)|*.*"
  std::string InitialDir;
  std::string FileName;    // proposed name
};

class FileDialog {
 public:
  FileDialog(Application& app, FileDialogKind kind) : app_(app) { Request.Kind = kind; }
  FileDialogRequest Request;
  // The chosen path after a successful Execute (the default extension added
  // when the typed name has none).
  std::string FileName;
  bool Execute();

 private:
  Application& app_;
};

class SaveDialog : public FileDialog {
 public:
  explicit SaveDialog(Application& app) : FileDialog(app, FileDialogKind::Save) {}
};

class OpenDialog : public FileDialog {
 public:
  explicit OpenDialog(Application& app) : FileDialog(app, FileDialogKind::Open) {}
};

// The path with the default extension added when its name has none.
std::string WithDefaultExt(const std::string& path, const std::string& ext);

}  // namespace forms
