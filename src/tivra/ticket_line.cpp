#include "tivra/ticket_line.h"

#include "platform/convert.h"

namespace tivra {

std::string SerialPrefix(const std::string& serial, char marker) {
  std::string prefix = serial.substr(0, kSerialWidth);
  prefix.insert(0, kSerialWidth - prefix.size(), '0');
  prefix += marker;
  prefix += "   ";
  return prefix;
}

std::string SerialPrefix(int serial, char marker) {
  std::string digits = platform::IntToStr(serial);
  if (serial > 0 && digits.size() > kSerialWidth)
    digits.erase(0, digits.size() - kSerialWidth);
  return SerialPrefix(digits, marker);
}

std::string NumbersText(const std::vector<int>& numbers) {
  std::string text;
  for (size_t i = 0; i < numbers.size(); ++i) {
    if (i > 0) text += ',';
    text += platform::IntToStr(numbers[i]);
  }
  return text;
}

std::string TicketLine(int serial, char marker, const std::vector<int>& numbers) {
  return SerialPrefix(serial, marker) + NumbersText(numbers);
}

std::string TicketLine(const std::string& serial, char marker, const std::vector<int>& numbers) {
  return SerialPrefix(serial, marker) + NumbersText(numbers);
}

std::string LineNumbersText(const std::string& line) {
  return line.size() > kPrefixLength ? line.substr(kPrefixLength) : std::string();
}

int FindNumbersText(const std::vector<std::string>& lines, const std::string& text) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    // Compare in place: the tail is line[9..], or empty for a short line.
    const bool equal = line.size() > kPrefixLength
                           ? line.compare(kPrefixLength, std::string::npos, text) == 0
                           : text.empty();
    if (equal) return static_cast<int>(i);
  }
  return -1;
}

bool ContainsNumbersText(const std::vector<std::string>& lines, const std::string& text) {
  return FindNumbersText(lines, text) >= 0;
}

}  // namespace tivra
