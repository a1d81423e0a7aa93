#pragma once
// Text files of single-byte lines. Lines are written with carriage return and
// line feed; reading accepts CR LF, a lone LF or a lone CR as the line end.
#include <cstdio>
#include <string>
#include <vector>

namespace platform {

// Writes a text file line by line; every failure is an EInOutError.
class TextFileWriter {
 public:
  // Creates the file anew (or empties it).
  explicit TextFileWriter(const std::string& path);
  ~TextFileWriter();
  TextFileWriter(const TextFileWriter&) = delete;
  TextFileWriter& operator=(const TextFileWriter&) = delete;

  void WriteLine(const std::string& line);
  // Flushes and closes; a failure to do so is an EInOutError.
  void Close();

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

// Reads a text file line by line; a file that cannot be opened or read is an
// EInOutError.
class TextFileReader {
 public:
  explicit TextFileReader(const std::string& path);
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  // The next line without its end; false at the end of the file.
  bool ReadLine(std::string& line);
  bool Eof();

 private:
  std::string path_;
  std::FILE* file_ = nullptr;
};

// Splits bytes into lines by the rules above (no empty last line for a
// trailing line end).
std::vector<std::string> SplitLines(const std::string& bytes);
// Joins lines, each followed by CR LF.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

}  // namespace platform
