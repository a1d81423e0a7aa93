#pragma once
// Turns a container of LZRW1/KH blocks into the working payload file, one
// block at a time through two fixed buffers of kLzrw1BufferSize bytes.
//
// The compressed size of block i (counted from 1) is the key "NovPak<i>" of
// section "PAK" of the package configuration. A size key that is absent, not
// a decimal number, below 1 or above kLzrw1BufferSize, a block that does not
// decode, and every read or write failure end the work with ELzrw1Error.
#include <cstdint>
#include <functional>
#include <stdexcept>

#include "platform/stream.h"
#include "setup/package/TBigIniFile.h"

namespace setup {

// The one failure of the payload loop; the wizard reports it as a failed
// installation. Its text is always kLzrw1ErrorText.
inline constexpr const char* kLzrw1ErrorText = "LZRW1/KH payload cannot be decompressed";

class ELzrw1Error : public std::runtime_error {
 public:
  ELzrw1Error() : std::runtime_error(kLzrw1ErrorText) {}
};

// Receives the progress in percent (0..100) after every block.
using Lzrw1ProgressFn = std::function<void(int)>;

// The container inside the setup file, bytes container_start (X) up to but
// not including container_end (Y). The block count is key "Pak" of section
// "SUM" (default 0); exactly that many blocks are decoded, whatever follows
// them. Refused as well: a block count that is not a number or below 1, an
// empty or inverted range, blocks whose sizes add up to more than the range,
// and a block that cannot be read in full. After block i the progress is the
// nearest whole number (halves to even) to (sizes so far) / (Y - X) * 100.
void DecompressLzrw1Embedded(const TBigIniFile& config, platform::TStream& setup_file,
                             int64_t container_start, int64_t container_end,
                             platform::TStream& output, const Lzrw1ProgressFn& progress);

// The container is the whole of payload_file. Blocks are decoded while the
// file has bytes left; block i is read up to its size key, and a last block
// cut short by the end of the file is decoded with the bytes that are there.
// After block i the progress is the nearest whole number (halves to even) to
// (sizes so far) / (file size) * 100, at most 100.
void DecompressLzrw1SideFile(const TBigIniFile& config, platform::TStream& payload_file,
                             platform::TStream& output, const Lzrw1ProgressFn& progress);

// part / whole * 100 rounded to the nearest whole number, halves to even,
// computed in integers; whole must be above 0 and part at least 0.
int Lzrw1ProgressPercent(int64_t part, int64_t whole);

}  // namespace setup
