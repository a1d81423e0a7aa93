#include "setup/package/PackageRanges.h"

#include <array>

#include "platform/convert.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PackageTrailer.h"

namespace setup {
namespace {

struct Field {
  std::string digits;
};

// Reads up to 200 bytes at offset and collects the digits that come before
// the first `letter`. Throws when no such letter is met or no digit came.
Field ScanField(platform::TStream& s, int64_t offset, char letter) {
  std::array<char, kTrailerReadSize> buf{};
  s.Seek(offset, platform::SeekOrigin::Beginning);
  const int64_t got = s.Read(buf.data(), kTrailerReadSize);
  Field f;
  bool ended = false;
  for (int64_t i = 0; i < got; ++i) {
    const char c = buf[static_cast<size_t>(i)];
    if (c == letter) {
      ended = true;
      break;
    }
    if (c >= '0' && c <= '9') f.digits.push_back(c);
  }
  if (!ended)
    throw EPackageError(std::string("Package trailer: no \"") + letter +
                        "\" ends the field within its 200 bytes");
  if (f.digits.empty())
    throw EPackageError(std::string("Package trailer: the \"") + letter +
                        "\" field holds no digits");
  return f;
}

int32_t FieldValue(const Field& f, char letter) {
  // Leading zeros are allowed; only the value must fit 32 bits.
  const auto v = platform::TryStrToInt(f.digits);
  if (!v)
    throw EPackageError(std::string("Package trailer: the \"") + letter +
                        "\" field is out of range");
  return *v;
}

}  // namespace

PackageRange ReadPackageRange(platform::TStream& setup_file) {
  PackageRange r;
  r.S = setup_file.Seek(0, platform::SeekOrigin::End);
  if (r.S < kTrailerSize)
    throw EPackageError("Package trailer: the setup file is shorter than its trailer");
  const int64_t trailer = r.S - kTrailerSize;
  const Field x = ScanField(setup_file, trailer, 'X');
  const Field y =
      ScanField(setup_file, trailer + static_cast<int64_t>(x.digits.size()) + 1, 'Y');
  r.X = FieldValue(x, 'X');
  r.Y = FieldValue(y, 'Y');
  return r;
}

PackageRange ReadPackageRange(const std::string& setup_path) {
  platform::TFileStream file(setup_path, platform::FileMode::OpenRead);
  return ReadPackageRange(file);
}

}  // namespace setup
