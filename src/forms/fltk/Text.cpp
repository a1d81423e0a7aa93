#include "forms/fltk/Text.h"

#include "platform/cp1250.h"

namespace forms::fltk {

std::string DisplayText(const std::string& cp1250) { return platform::Cp1250ToUtf8(cp1250); }

std::string WidgetLabel(const std::string& cp1250) {
  std::string out;
  for (char c : platform::Cp1250ToUtf8(cp1250)) {
    if (c == '@') out += '@';
    out += c;
  }
  return out;
}

std::string PlainCaption(const std::string& cp1250) {
  const std::string text = platform::Cp1250ToUtf8(cp1250);
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    else if (text[i] == '&') continue;
    out += text[i];
  }
  return out;
}

}  // namespace forms::fltk
