#pragma once
// Reader of the package configuration: an INI text of Windows-1250 lines.
// Every read names a section, a key and the default returned when the key is
// absent. The file is read once, when the object is made.
#include <cstdint>
#include <string>

#include "platform/ini_file.h"

namespace setup {

class TBigIniFile {
 public:
  // Reads the file; a missing or unreadable file raises EInOutError.
  explicit TBigIniFile(const std::string& path);
  // A configuration already in memory (tests, fuzzing).
  static TBigIniFile FromBytes(const std::string& bytes);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  // The key's text converted as a decimal integer; a text that is not one
  // raises EConvertError.
  int32_t ReadInteger(const std::string& section, const std::string& key,
                      const std::string& default_text) const;
  bool ValueExists(const std::string& section, const std::string& key) const;

 private:
  TBigIniFile() = default;
  platform::IniText text_;
};

}  // namespace setup
