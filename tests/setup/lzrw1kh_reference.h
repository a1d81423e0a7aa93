#pragma once
// A plain LZRW1/KH block decoder that handles one item at a time and checks
// every byte it reads and writes. It has none of the production decoder's
// fast paths, so the fuzz target and the regression tests compare the two.
// It takes a run's length as byte 1 * 256 + byte 2 + 16 of the item, where the
// production decoder masks byte 1 to its low nibble: with a zero offset the
// high nibble is zero, and the comparison keeps the two readings in step.
#include <cstddef>
#include <cstdint>

#include "setup/archive/LZRW1KH.h"

namespace lzrw1_reference {

inline constexpr int kFailure = setup::kLzrw1Failure;

// Same contract as setup::DecompressLzrw1Block.
inline int ReferenceDecode(const uint8_t* src, std::size_t len, uint8_t* dst, std::size_t cap) {
  if (len > 65535) return kFailure;
  if (len <= 1) return 0;
  if (src[0] == 0x80) {
    if (len - 1 > cap) return kFailure;
    for (std::size_t i = 1; i < len; ++i) dst[i - 1] = src[i];
    return static_cast<int>(len - 1);
  }
  if (len < 3) return kFailure;
  unsigned command = src[1] * 256u + src[2];
  int bits = 16;
  std::size_t x = 3;
  std::size_t y = 0;
  while (x < len) {
    if (bits == 0) {
      if (x + 1 >= len) return kFailure;
      command = src[x] * 256u + src[x + 1];
      x += 2;
      bits = 16;
      if (x >= len) return kFailure;
    }
    if ((command & 0x8000u) == 0) {
      if (y >= cap) return kFailure;
      dst[y++] = src[x++];
    } else {
      if (x + 1 >= len) return kFailure;
      const std::size_t offset = src[x] * 16u + (src[x + 1] >> 4);
      if (offset != 0) {
        const std::size_t n = (src[x + 1] & 0x0Fu) + 3;
        if (offset > y) return kFailure;
        for (std::size_t k = 0; k < n; ++k) {
          if (y >= cap) return kFailure;
          dst[y] = dst[y - offset];
          ++y;
        }
        x += 2;
      } else {
        if (x + 3 >= len) return kFailure;
        const std::size_t n = src[x + 1] * 256u + src[x + 2] + 16;
        for (std::size_t k = 0; k < n; ++k) {
          if (y >= cap) return kFailure;
          dst[y++] = src[x + 3];
        }
        x += 4;
      }
    }
    command = (command << 1) & 0xFFFFu;
    --bits;
  }
  return static_cast<int>(y);
}

}  // namespace lzrw1_reference
