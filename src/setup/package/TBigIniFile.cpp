#include "setup/package/TBigIniFile.h"

#include "platform/convert.h"
#include "platform/files.h"

namespace setup {

TBigIniFile::TBigIniFile(const std::string& path)
    : text_(platform::ReadFileBytes(path)) {}

TBigIniFile TBigIniFile::FromBytes(const std::string& bytes) {
  TBigIniFile f;
  f.text_ = platform::IniText(bytes);
  return f;
}

std::string TBigIniFile::ReadString(const std::string& section, const std::string& key,
                                    const std::string& default_value) const {
  return text_.ReadString(section, key, default_value);
}

int32_t TBigIniFile::ReadInteger(const std::string& section, const std::string& key,
                                 const std::string& default_text) const {
  return platform::StrToInt(ReadString(section, key, default_text));
}

bool TBigIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return text_.Read(section, key).has_value();
}

}  // namespace setup
