#pragma once
// Range reading: the setup file's size S and the two numbers X
// (offset of the container's first byte) and Y (offset just past its last
// byte) at the start of the trailer.
#include <cstdint>
#include <string>

#include "platform/stream.h"

namespace setup {

struct PackageRange {
  int64_t S = 0;  // size of the setup file
  int32_t X = 0;  // offset of the container's first byte
  int32_t Y = 0;  // offset just past the container's last byte
};

// Reads the range from a stream holding the whole setup file:
//  1. S is the stream's size; seek to S-400 and read 200 bytes; collect the
//     decimal digits up to the first "X" (other bytes are skipped);
//  2. seek to S-400 + (digits collected for X) + 1 and read 200 bytes;
//     collect the digits up to the first "Y" the same way;
//  3. convert both as decimal integers.
// A file shorter than the 400-byte trailer, a scan that meets no terminating
// letter within its 200 bytes, a field without digits, or a number beyond
// 32 bits raise setup::EPackageError (a failed staging step). The values are
// not checked against each other here; the staging functions refuse ranges
// that do not fit the file.
PackageRange ReadPackageRange(platform::TStream& setup_file);

// The same on a file opened for reading only (shared); a file that cannot be
// opened raises platform::EInOutError.
PackageRange ReadPackageRange(const std::string& setup_path);

}  // namespace setup
