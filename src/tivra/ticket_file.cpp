#include "tivra/ticket_file.h"

#include "platform/convert.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace tivra {

std::string FormatTicketFile(const std::vector<std::string>& lines) {
  std::vector<std::string> file_lines;
  file_lines.reserve(lines.size() + 1);
  file_lines.push_back(platform::IntToStr(static_cast<int64_t>(lines.size())));
  file_lines.insert(file_lines.end(), lines.begin(), lines.end());
  return platform::JoinLinesCrLf(file_lines);
}

std::vector<std::string> ParseTicketFile(const std::vector<std::string>& file_lines) {
  using platform::IntToStr;
  using platform::W;
  if (file_lines.empty()) throw ETicketFileError(W("Súbor je prázdny, chýba v ňom počet tiketov"));
  const auto count = platform::TryStrToInt(file_lines.front());
  if (!count)
    throw ETicketFileError(W("Prvý riadok súboru nie je počet tiketov: '") + file_lines.front() +
                           "'");
  if (*count <= 0) return {};
  const size_t n = static_cast<size_t>(*count);
  const size_t present = file_lines.size() - 1;
  if (present < n)
    throw ETicketFileError(W("Súbor uvádza ") + IntToStr(*count) + W(" tiketov, obsahuje len ") +
                           IntToStr(static_cast<int64_t>(present)));
  return {file_lines.begin() + 1, file_lines.begin() + 1 + static_cast<std::ptrdiff_t>(n)};
}

void WriteTicketFile(const std::string& path, const std::vector<std::string>& lines) {
  platform::WriteFileBytes(path, FormatTicketFile(lines));
}

std::vector<std::string> ReadTicketFile(const std::string& path) {
  const std::string bytes = platform::ReadFileBytes(path);
  try {
    return ParseTicketFile(platform::SplitLines(bytes));
  } catch (const ETicketFileError& e) {
    throw ETicketFileError(path + ": " + e.what());
  }
}

}  // namespace tivra
