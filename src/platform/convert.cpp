#include "platform/convert.h"

#include "platform/errors.h"

namespace platform {

std::optional<int32_t> TryStrToInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return std::nullopt;
  return static_cast<int32_t>(value);
}

int32_t StrToInt(const std::string& text) {
  if (auto v = TryStrToInt(text)) return *v;
  throw EConvertError("'" + text + "' is not a valid integer value");
}

std::string IntToStr(int64_t value) { return std::to_string(value); }

}  // namespace platform
