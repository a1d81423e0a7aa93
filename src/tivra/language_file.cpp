#include "tivra/language_file.h"

#include "platform/files.h"

namespace tivra {

std::string LanguageFilePath(const std::string& exe_name) {
  return platform::ExtractFilePath(exe_name) + kLanguageFileName;
}

}  // namespace tivra
