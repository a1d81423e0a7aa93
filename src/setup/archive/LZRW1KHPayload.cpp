#include "setup/archive/LZRW1KHPayload.h"

#include <string>
#include <vector>

#include "platform/convert.h"
#include "platform/errors.h"
#include "setup/archive/LZRW1KH.h"

namespace setup {
namespace {

constexpr const char* kSumSection = "SUM";
constexpr const char* kBlockCountKey = "Pak";
constexpr const char* kPakSection = "PAK";
constexpr const char* kBlockSizePrefix = "NovPak";

// Size of block i from "PAK" NovPak<i>: a decimal number from 1 to the
// buffer size. A zero size would read nothing and never end the side-file
// loop; a larger one would not fit the input buffer.
int64_t ReadBlockSize(const TBigIniFile& config, int64_t i) {
  const std::string key = kBlockSizePrefix + std::to_string(i);
  if (!config.ValueExists(kPakSection, key)) throw ELzrw1Error();
  const auto size = platform::TryStrToInt(config.ReadString(kPakSection, key, ""));
  if (!size || *size < 1 || static_cast<std::size_t>(*size) > kLzrw1BufferSize) {
    throw ELzrw1Error();
  }
  return *size;
}

// Reads until count bytes are in or the stream has no more; returns how many
// bytes arrived.
int64_t ReadUpTo(platform::TStream& stream, uint8_t* buffer, int64_t count) {
  int64_t done = 0;
  while (done < count) {
    const int64_t n = stream.Read(buffer + done, count - done);
    if (n < 0 || n > count - done) throw ELzrw1Error();
    if (n == 0) break;
    done += n;
  }
  return done;
}

// Decodes one block of length bytes from input and appends its output.
void DecodeBlock(const std::vector<uint8_t>& input, int64_t length,
                 std::vector<uint8_t>& output_buffer, platform::TStream& output) {
  const int n = DecompressLzrw1Block(input.data(), static_cast<std::size_t>(length),
                                     output_buffer.data(), output_buffer.size());
  if (n == kLzrw1Failure) throw ELzrw1Error();
  if (n > 0 && output.Write(output_buffer.data(), n) != n) throw ELzrw1Error();
}

void Report(const Lzrw1ProgressFn& progress, int64_t part, int64_t whole) {
  if (progress) progress(Lzrw1ProgressPercent(part, whole));
}

void EmbeddedLoop(const TBigIniFile& config, platform::TStream& setup_file,
                  int64_t container_start, int64_t container_end, platform::TStream& output,
                  const Lzrw1ProgressFn& progress) {
  const auto count = platform::TryStrToInt(config.ReadString(kSumSection, kBlockCountKey, "0"));
  if (!count || *count < 1) throw ELzrw1Error();
  if (container_start < 0 || container_end <= container_start) throw ELzrw1Error();
  const int64_t container_size = container_end - container_start;

  std::vector<uint8_t> input(kLzrw1BufferSize);
  std::vector<uint8_t> decoded(kLzrw1BufferSize);
  setup_file.SetPosition(container_start);
  int64_t total = 0;
  // Every block takes at least one byte of the bounded container, so the
  // loop ends after at most container_size blocks.
  for (int64_t i = 1; i <= *count; ++i) {
    const int64_t size = ReadBlockSize(config, i);
    if (size > container_size - total) throw ELzrw1Error();
    if (ReadUpTo(setup_file, input.data(), size) != size) throw ELzrw1Error();
    DecodeBlock(input, size, decoded, output);
    total += size;
    Report(progress, total, container_size);
  }
}

void SideFileLoop(const TBigIniFile& config, platform::TStream& payload_file,
                  platform::TStream& output, const Lzrw1ProgressFn& progress) {
  const int64_t file_size = payload_file.Seek(0, platform::SeekOrigin::End);
  payload_file.SetPosition(0);

  std::vector<uint8_t> input(kLzrw1BufferSize);
  std::vector<uint8_t> decoded(kLzrw1BufferSize);
  int64_t consumed = 0;  // bytes actually read
  int64_t total = 0;     // sum of the size keys, which drives the progress
  // Every pass reads at least one byte of a file of file_size bytes.
  for (int64_t i = 1; consumed < file_size; ++i) {
    const int64_t size = ReadBlockSize(config, i);
    const int64_t got = ReadUpTo(payload_file, input.data(), size);
    if (got == 0) throw ELzrw1Error();  // the file shrank under us
    consumed += got;
    DecodeBlock(input, got, decoded, output);
    total += size;
    Report(progress, total, file_size);
  }
}

}  // namespace

int Lzrw1ProgressPercent(int64_t part, int64_t whole) {
  if (whole <= 0 || part <= 0) return 0;
  if (part >= whole) return 100;
  const int64_t scaled = part * 100;  // part < whole: no overflow below 2^56 bytes
  int64_t q = scaled / whole;
  const int64_t twice_rest = 2 * (scaled % whole);
  if (twice_rest > whole || (twice_rest == whole && (q & 1) != 0)) ++q;
  return static_cast<int>(q);
}

void DecompressLzrw1Embedded(const TBigIniFile& config, platform::TStream& setup_file,
                             int64_t container_start, int64_t container_end,
                             platform::TStream& output, const Lzrw1ProgressFn& progress) {
  try {
    EmbeddedLoop(config, setup_file, container_start, container_end, output, progress);
  } catch (const platform::EInOutError&) {
    throw ELzrw1Error();
  }
}

void DecompressLzrw1SideFile(const TBigIniFile& config, platform::TStream& payload_file,
                             platform::TStream& output, const Lzrw1ProgressFn& progress) {
  try {
    SideFileLoop(config, payload_file, output, progress);
  } catch (const platform::EInOutError&) {
    throw ELzrw1Error();
  }
}

}  // namespace setup
