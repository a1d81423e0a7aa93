#pragma once
// INI text: "[Section]" lines and "Key=Value" lines. Section and key names
// compare without regard to ASCII letter case; surrounding blanks of names and
// values are ignored; the first occurrence of a key in the first occurrence of
// its section is the one read. Lines that are neither are kept untouched.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// An INI text held in memory, line by line, so that writing a key keeps every
// other line as it was.
class IniText {
 public:
  IniText() = default;
  explicit IniText(const std::string& bytes);

  std::optional<std::string> Read(const std::string& section,
                                  const std::string& key) const;
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  bool SectionExists(const std::string& section) const;

  // Replaces the key's value, or adds the key at the end of its section, or
  // adds the section with the key at the end of the text.
  void Write(const std::string& section, const std::string& key,
             const std::string& value);

  // The text with CR LF line ends.
  std::string Bytes() const;

 private:
  void Reindex();

  std::vector<std::string> lines_;
  std::map<std::string, std::string> values_;  // "section\nkey", folded
  std::map<std::string, size_t> sections_;     // folded name -> header line
};

// An INI file on disk. Reading a missing file gives defaults; every write
// goes to the file at once (creating it when missing) and a failure raises
// EInOutError "Unable to write to <path>".
class IniFile {
 public:
  explicit IniFile(std::string path);

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& default_value) const;
  void WriteString(const std::string& section, const std::string& key,
                   const std::string& value);
  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  IniText text_;
};

}  // namespace platform
