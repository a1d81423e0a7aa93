#pragma once
// The trailer check: the three marks "L", "0", "D" near the end
// of the setup file and the payload method digit at S-101; and the test that
// chooses between the Embedded and the SideFiles form of a package.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/stream.h"
#include "setup/package/PayloadMethod.h"

namespace setup {

// Trailer offsets counted back from the end of the setup file (size S).
inline constexpr int64_t kTrailerSize = 400;
inline constexpr int64_t kMethodDigitBack = 101;  // S-101: "0", "1" or "2"
inline constexpr int64_t kMarkLBack = 51;         // S-51: "L"
inline constexpr int64_t kMarkDBack = 31;         // S-31: "D"
inline constexpr int64_t kMark0Back = 41;         // S-41: "0"
// Every trailer read is a seek and a read of up to this many bytes.
inline constexpr int64_t kTrailerReadSize = 200;

struct TrailerCheck {
  // The three marks are present: the package is well formed.
  bool marks_valid = false;
  // From the byte at S-101; unset for any byte other than "0", "1", "2" (or
  // a file too short to have that byte).
  std::optional<PayloadMethod> method;
};

// The payload method of a trailer digit or Task8 value: '1' Lzrw1Blocks,
// '2' PowerArc, '0' Stored, anything else nothing.
std::optional<PayloadMethod> MethodFromDigit(char digit);

// Runs the trailer check on a stream holding the whole setup file (its size
// is S). Reads in the order S-101, S-51, S-31, S-41. A file too short to hold
// a byte at one of those offsets simply lacks that byte (marks invalid).
// Never throws for the content; a failing stream raises EInOutError.
TrailerCheck CheckTrailer(platform::TStream& setup_file);

// The same on a file, opened for reading only (others may read and write it
// meanwhile). A file that cannot be opened raises platform::EInOutError;
// the caller (start-up) ends silently in that case too.
TrailerCheck CheckTrailer(const std::string& setup_path);

// Result of the side-file test.
enum class PackageFormCheck {
  Embedded,   // no "install.dat" beside the setup program: check the trailer
  SideFiles,  // "install.dat" of at least 400 bytes beside the setup program
  TooShort,   // "install.dat" present but shorter than 400 bytes (or its size
              // unreadable): the setup must end at once, silently
};

inline constexpr const char* kSideConfigName = "install.dat";
inline constexpr int64_t kMinSideConfigSize = 400;

// Looks for "install.dat" in the setup program's folder (a host folder path,
// with or without its trailing '/').
PackageFormCheck CheckPackageForm(const std::string& setup_folder);

// Full host path of the running setup program (the file whose trailer is
// read in the Embedded form). Every reader takes its path as an argument;
// this is only what the real program passes.
std::string SetupProgramPath();

}  // namespace setup
