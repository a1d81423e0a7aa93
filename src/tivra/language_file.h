#pragma once
// The language file "lang.ini" next to the program file: section "Lang", key
// "Type", value "SK", "CZ" or "EN". Only its presence matters to the program:
// the language form comes up at start-up while it is missing. The program's
// texts are Slovak whatever it says.
#include <string>

namespace tivra {

inline constexpr const char* kLanguageFileName = "lang.ini";
inline constexpr const char* kLanguageSection = "Lang";
inline constexpr const char* kLanguageKey = "Type";

// The language file's path for the program file `exe_name`.
std::string LanguageFilePath(const std::string& exe_name);

}  // namespace tivra
