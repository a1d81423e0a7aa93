#pragma once
// Windows-1250 text. Inside the programs every text is a std::string of
// single Windows-1250 bytes; UTF-8 appears only where text meets the display
// or the source code's own literals.
#include <string>
#include <string_view>

namespace platform {

// Windows-1250 bytes to UTF-8.
std::string Cp1250ToUtf8(std::string_view cp1250);

// UTF-8 to Windows-1250. A character the code page cannot hold becomes '?';
// a malformed UTF-8 sequence is taken byte by byte as Windows-1250.
std::string Utf8ToCp1250(std::string_view utf8);

// A UTF-8 source literal as the program's Windows-1250 text: W("Žiadny").
inline std::string W(std::string_view utf8) { return Utf8ToCp1250(utf8); }

}  // namespace platform
