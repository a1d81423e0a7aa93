#include "platform/text_file.h"

#include "platform/errors.h"

namespace platform {

TextFileWriter::TextFileWriter(const std::string& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "wb");
  if (!file_) throw EInOutError("Cannot create file \"" + path + "\"");
}

TextFileWriter::~TextFileWriter() {
  if (file_) std::fclose(file_);
}

void TextFileWriter::WriteLine(const std::string& line) {
  if (!file_) throw EInOutError("File not open \"" + path_ + "\"");
  if (std::fwrite(line.data(), 1, line.size(), file_) != line.size() ||
      std::fwrite("\r\n", 1, 2, file_) != 2)
    throw EInOutError("Write error on file \"" + path_ + "\"");
}

void TextFileWriter::Close() {
  if (!file_) return;
  std::FILE* f = file_;
  file_ = nullptr;
  const bool flushed = std::fflush(f) == 0;
  const bool closed = std::fclose(f) == 0;
  if (!flushed || !closed)
    throw EInOutError("Write error on file \"" + path_ + "\"");
}

TextFileReader::TextFileReader(const std::string& path) : path_(path) {
  file_ = std::fopen(path.c_str(), "rb");
  if (!file_) throw EInOutError("Cannot open file \"" + path + "\"");
}

TextFileReader::~TextFileReader() {
  if (file_) std::fclose(file_);
}

bool TextFileReader::Eof() {
  const int c = std::fgetc(file_);
  if (c == EOF) return true;
  std::ungetc(c, file_);
  return false;
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  int c = std::fgetc(file_);
  if (c == EOF) {
    if (std::ferror(file_)) throw EInOutError("Read error on file \"" + path_ + "\"");
    return false;
  }
  while (c != EOF && c != '\n' && c != '\r') {
    line += static_cast<char>(c);
    c = std::fgetc(file_);
  }
  if (c == '\r') {
    const int next = std::fgetc(file_);
    if (next != '\n' && next != EOF) std::ungetc(next, file_);
  }
  if (std::ferror(file_)) throw EInOutError("Read error on file \"" + path_ + "\"");
  return true;
}

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string cur;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(cur));
      cur.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(std::move(cur));
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace platform
