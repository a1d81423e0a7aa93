// Fuzz target of the LZRW1/KH block decoder.
//
// 1. The input as a block: the decoder must stay inside its buffers (the
//    address sanitizer watches buffers of exactly the given sizes), return
//    the failure result or a length within the capacity, and agree byte for
//    byte with the plain one-item-at-a-time decoder of
//    tests/setup/lzrw1kh_reference.h, first with the setup's capacity, then
//    with the room cut to the output's length and below it.
// 2. The input as data: the package builder's compressor must produce a
//    block no longer than the input plus its flag byte that decodes back to
//    exactly the input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "setup/archive/LZRW1KH.h"
#include "../tests/setup/lzrw1kh_reference.h"
#include "packbuilder/lzrw1kh_compressor.h"

namespace {

using lzrw1_reference::kFailure;
using lzrw1_reference::ReferenceDecode;

// Decodes with both decoders into buffers of exactly capacity bytes and
// returns the result they agree on.
int CheckDecoder(const uint8_t* data, std::size_t size, std::size_t capacity) {
  std::vector<uint8_t> out(capacity);
  std::vector<uint8_t> expected(capacity);
  const int n = setup::DecompressLzrw1Block(data, size, out.data(), out.size());
  const int m = ReferenceDecode(data, size, expected.data(), expected.size());
  if (n != kFailure && (n < 0 || static_cast<std::size_t>(n) > capacity)) abort();
  if (n != m) abort();
  if (n > 0 && std::memcmp(out.data(), expected.data(), static_cast<std::size_t>(n)) != 0) {
    abort();
  }
  return n;
}

void CheckRoundTrip(const uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data),
                               std::min(size, packbuilder::kLzrw1MaxBlockInput));
  const std::string block = packbuilder::CompressLzrw1Block(input);
  if (block.size() > input.size() + 1) abort();
  std::vector<uint8_t> src(block.begin(), block.end());
  std::vector<uint8_t> out(setup::kLzrw1BufferSize);
  const int n = setup::DecompressLzrw1Block(src.data(), src.size(), out.data(), out.size());
  if (n != static_cast<int>(input.size())) abort();
  if (n > 0 && std::memcmp(out.data(), input.data(), input.size()) != 0) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const int n = CheckDecoder(data, size, setup::kLzrw1BufferSize);
  if (n > 0) {
    // Again with the room cut to the output's length, one byte short of it
    // and some bytes short of it: the checks near the end of the room, where
    // the decoder leaves its fast loop, are where faults would hide.
    const auto full = static_cast<std::size_t>(n);
    if (CheckDecoder(data, size, full) != n) abort();
    if (CheckDecoder(data, size, full - 1) != kFailure) abort();
    CheckDecoder(data, size, full - std::min<std::size_t>(full, data[size - 1] % 64));
  }
  CheckRoundTrip(data, size);
  return 0;
}
