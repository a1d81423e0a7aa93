#pragma once
// Integer and text conversions with the run-time library's rules.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// A decimal 32-bit signed integer: optional leading blanks, an optional sign,
// then digits only. Anything else, or a value out of range, is nothing.
std::optional<int32_t> TryStrToInt(const std::string& text);
// The same, raising EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);
std::string IntToStr(int64_t value);

}  // namespace platform
