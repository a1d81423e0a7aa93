#include "setup/package/PackageTrailer.h"

#include <array>

#include "platform/files.h"

namespace setup {
namespace {

// The size of the stream (it is left positioned at its end).
int64_t StreamSize(platform::TStream& s) { return s.Seek(0, platform::SeekOrigin::End); }

// Seek to the offset and read up to 200 bytes; the first byte is the answer.
// An offset outside the file gives nothing.
std::optional<unsigned char> ByteAt(platform::TStream& s, int64_t size, int64_t offset) {
  if (offset < 0 || offset >= size) return std::nullopt;
  std::array<unsigned char, kTrailerReadSize> buf{};
  s.Seek(offset, platform::SeekOrigin::Beginning);
  if (s.Read(buf.data(), kTrailerReadSize) <= 0) return std::nullopt;
  return buf[0];
}

}  // namespace

std::optional<PayloadMethod> MethodFromDigit(char digit) {
  switch (digit) {
    case '0': return PayloadMethod::Stored;
    case '1': return PayloadMethod::Lzrw1Blocks;
    case '2': return PayloadMethod::PowerArc;
    default: return std::nullopt;
  }
}

TrailerCheck CheckTrailer(platform::TStream& setup_file) {
  TrailerCheck result;
  const int64_t size = StreamSize(setup_file);
  if (auto digit = ByteAt(setup_file, size, size - kMethodDigitBack))
    result.method = MethodFromDigit(static_cast<char>(*digit));
  const auto l = ByteAt(setup_file, size, size - kMarkLBack);
  const auto d = ByteAt(setup_file, size, size - kMarkDBack);
  const auto zero = ByteAt(setup_file, size, size - kMark0Back);
  result.marks_valid = l == 'L' && d == 'D' && zero == '0';
  return result;
}

TrailerCheck CheckTrailer(const std::string& setup_path) {
  platform::TFileStream file(setup_path, platform::FileMode::OpenRead);
  return CheckTrailer(file);
}

PackageFormCheck CheckPackageForm(const std::string& setup_folder) {
  const std::string path =
      setup_folder.empty() ? std::string(kSideConfigName)
                           : platform::IncludeTrailingDelimiter(setup_folder) + kSideConfigName;
  if (!platform::FileExists(path)) return PackageFormCheck::Embedded;
  const int64_t size = platform::FileSize(path);
  return size >= kMinSideConfigSize ? PackageFormCheck::SideFiles : PackageFormCheck::TooShort;
}

std::string SetupProgramPath() { return platform::ExecutablePath(); }

}  // namespace setup
