#include "forms/dialogs.h"

#include "forms/application.h"

namespace forms {

std::string WithDefaultExt(const std::string& path, const std::string& ext) {
  if (ext.empty()) return path;
  const auto slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty() || name.find('.') != std::string::npos) return path;
  return path + '.' + ext;
}

bool FileDialog::Execute() {
  auto chosen = app_.GetBackend().RunFileDialog(Request);
  if (!chosen || chosen->empty()) return false;
  FileName = Request.Kind == FileDialogKind::Save ? WithDefaultExt(*chosen, Request.DefaultExt)
                                                  : *chosen;
  return true;
}

}  // namespace forms
