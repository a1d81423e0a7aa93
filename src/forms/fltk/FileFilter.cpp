#include "forms/fltk/FileFilter.h"

#include <vector>

#include "forms/fltk/Text.h"

namespace forms::fltk {
namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(sep, start);
    parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// "*.txt;*.log" -> "{*.txt,*.log}"; "*.*" anywhere -> "*".
std::string Pattern(const std::string& patterns) {
  std::vector<std::string> kept;
  for (const std::string& part : Split(patterns, ';')) {
    const std::string p = Trim(part);
    if (p == "*.*" || p == "*") return "*";
    if (!p.empty()) kept.push_back(p);
  }
  if (kept.empty()) return "*";
  if (kept.size() == 1) return kept[0];
  std::string joined = "{";
  for (size_t i = 0; i < kept.size(); ++i) joined += (i ? "," : "") + kept[i];
  return joined + "}";
}

// The description without the pattern it usually already names in brackets.
std::string Description(const std::string& text) {
  std::string d = Trim(text);
  if (!d.empty() && d.back() == ')') {
    const size_t open = d.rfind('(');
    if (open != std::string::npos) d = Trim(d.substr(0, open));
  }
  return d;
}

}  // namespace

std::string ChooserFilter(const std::string& filter) {
  if (Trim(filter).empty()) return {};
  const std::vector<std::string> parts = Split(DisplayText(filter), '|');
  std::string out;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    const std::string pattern = Pattern(parts[i + 1]);
    std::string description = Description(parts[i]);
    if (description.empty()) description = pattern;
    if (!out.empty()) out += '\t';
    out += description + " (" + pattern + ")";
  }
  return out;
}

}  // namespace forms::fltk
