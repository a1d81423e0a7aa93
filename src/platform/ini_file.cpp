#include "platform/ini_file.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace platform {
namespace {

std::string Fold(const std::string& s) {
  std::string out = s;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

// The section name of a "[name]" line, or nothing.
std::optional<std::string> SectionName(const std::string& line) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return std::nullopt;
  const auto close = t.find(']');
  if (close == std::string::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

// Splits a "key=value" line; false when the line holds no '=' or no key.
bool SplitKeyValue(const std::string& line, std::string& key, std::string& value) {
  const auto eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = Trim(line.substr(0, eq));
  if (key.empty() || key[0] == ';') return false;
  value = Trim(line.substr(eq + 1));
  return true;
}

std::string Slot(const std::string& section, const std::string& key) {
  return Fold(section) + '\n' + Fold(key);
}

}  // namespace

IniText::IniText(const std::string& bytes) : lines_(SplitLines(bytes)) { Reindex(); }

void IniText::Reindex() {
  values_.clear();
  sections_.clear();
  std::string current;
  bool in_first_occurrence = false;
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (auto name = SectionName(lines_[i])) {
      current = Fold(*name);
      in_first_occurrence = sections_.emplace(current, i).second;
      continue;
    }
    if (!in_first_occurrence) continue;
    std::string key, value;
    if (SplitKeyValue(lines_[i], key, value))
      values_.emplace(current + '\n' + Fold(key), value);
  }
}

std::optional<std::string> IniText::Read(const std::string& section,
                                         const std::string& key) const {
  const auto it = values_.find(Slot(section, key));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string IniText::ReadString(const std::string& section, const std::string& key,
                                const std::string& default_value) const {
  auto v = Read(section, key);
  return v ? *v : default_value;
}

bool IniText::SectionExists(const std::string& section) const {
  return sections_.count(Fold(section)) != 0;
}

void IniText::Write(const std::string& section, const std::string& key,
                    const std::string& value) {
  const std::string new_line = key + '=' + value;
  const auto sec = sections_.find(Fold(section));
  if (sec == sections_.end()) {
    lines_.push_back('[' + section + ']');
    lines_.push_back(new_line);
    Reindex();
    return;
  }
  // Within the section: replace the key, or insert after its last value line.
  size_t insert_at = sec->second + 1;
  for (size_t i = sec->second + 1; i < lines_.size(); ++i) {
    if (SectionName(lines_[i])) break;
    std::string k, v;
    if (SplitKeyValue(lines_[i], k, v)) {
      if (Fold(k) == Fold(key)) {
        lines_[i] = new_line;
        Reindex();
        return;
      }
    }
    if (!Trim(lines_[i]).empty()) insert_at = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), new_line);
  Reindex();
}

std::string IniText::Bytes() const { return JoinLinesCrLf(lines_); }

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  if (FileExists(path_)) {
    try {
      text_ = IniText(ReadFileBytes(path_));
    } catch (const EInOutError&) {
      // An unreadable file reads as empty, like a missing one.
    }
  }
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& default_value) const {
  return text_.ReadString(section, key, default_value);
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  IniText updated = text_;
  updated.Write(section, key, value);
  try {
    WriteFileBytes(path_, updated.Bytes());
  } catch (const EInOutError&) {
    throw EInOutError("Unable to write to " + path_);
  }
  text_ = std::move(updated);
}

}  // namespace platform
