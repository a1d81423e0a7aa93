#include "setup/archive/LZRW1KH.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

namespace setup {
namespace {

constexpr uint8_t kStoredFlag = 0x80;
constexpr uint32_t kTopBit = 0x80000000u;
// The marker bit alone at the top: no item of the command word is left.
constexpr uint32_t kCommandUsedUp = kTopBit;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMinRun = 16;
// Block bytes a fast pass may read: a command word, 16 bytes of literals,
// a 4-byte run item behind at most 16 literals.
constexpr std::size_t kFastInput = 2 + 16 + 4;
// Output bytes a fast pass may write: 16 of literals, then 32 of a copy.
constexpr std::size_t kFastOutput = 16 + 32;

// Copies 8 bytes as one load followed by one store, so a source that ends at
// or before the destination is read before anything of this step is written.
// Chained steps of a copy whose offset is at least the step size thus read
// only bytes that are already final, which gives the byte-by-byte result.
inline void Copy8(uint8_t* to, const uint8_t* from) {
  uint64_t v;
  std::memcpy(&v, from, 8);
  std::memcpy(to, &v, 8);
}

// The same for 16 bytes, for sources that end at least 16 bytes back.
inline void Copy16(uint8_t* to, const uint8_t* from) {
  unsigned char v[16];
  std::memcpy(v, from, 16);
  std::memcpy(to, v, 16);
}

// A command word (high byte first) in the top 16 bits, the marker bit right
// below it.
inline uint32_t CommandBits(uint8_t high, uint8_t low) {
  return (uint32_t{high} << 24) | (uint32_t{low} << 16) | 0x8000u;
}

}  // namespace

int DecompressLzrw1Block(const uint8_t* source, std::size_t length, uint8_t* destination,
                         std::size_t capacity) {
  if (length > kLzrw1MaxBlockLength) return kLzrw1Failure;
  if (length <= 1) return 0;
  // Output lengths are returned as int.
  const std::size_t cap = std::min<std::size_t>(capacity, INT_MAX);

  if (source[0] == kStoredFlag) {
    const std::size_t n = length - 1;
    if (n > cap) return kLzrw1Failure;
    std::memcpy(destination, source + 1, n);
    return static_cast<int>(n);
  }

  // The first command word is bytes 1 and 2. The items still announced by the
  // current command word sit in the top bits of `command`, followed by one
  // marker bit; so counting the leading zero bits gives the literals up to the
  // next copy or run without passing the word's end, and the word is used up
  // when only the marker is left at the top.
  if (length < 3) return kLzrw1Failure;
  uint32_t command = CommandBits(source[1], source[2]);
  std::size_t x = 3;  // read position in source
  std::size_t y = 0;  // write position in destination

  // Fast loop. Each pass decodes a stretch of literals (possibly empty) and
  // the copy or run that ends it. With at least kFastInput bytes of block and
  // kFastOutput bytes of room left at the top of a pass, no read or write of
  // the pass can cross either end, so only copy offsets and run lengths need
  // checking. Literal stretches are moved as 16 bytes and copies as 24 or 32
  // bytes whatever their length; the bytes beyond are scratch that later
  // items overwrite. Deciding literal or copy by counting zero bits, instead of
  // branching on every bit, keeps the loop free of hard-to-predict branches.
  while (length - x >= kFastInput && cap - y >= kFastOutput) {
    if (command == kCommandUsedUp) {
      command = CommandBits(source[x], source[x + 1]);
      x += 2;
    }
    const unsigned k = static_cast<unsigned>(std::countl_zero(command));
    Copy8(destination + y, source + x);
    Copy8(destination + y + 8, source + x + 8);
    x += k;
    y += k;
    command <<= k;
    if (command == kCommandUsedUp) continue;

    const unsigned b0 = source[x];
    const unsigned b1 = source[x + 1];
    const std::size_t offset = (b0 << 4) | (b1 >> 4);
    if (offset != 0) {
      const std::size_t n = (b1 & 0x0Fu) + kMinCopy;
      if (offset > y) return kLzrw1Failure;
      uint8_t* to = destination + y;
      const uint8_t* from = to - offset;
      if (offset >= 16) {
        Copy16(to, from);
        Copy16(to + 16, from + 16);
      } else if (offset >= 8) {
        Copy8(to, from);
        Copy8(to + 8, from + 8);
        Copy8(to + 16, from + 16);
      } else if (offset == 1) {
        std::memset(to, *from, 18);
      } else {
        for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
      }
      x += 2;
      y += n;
    } else {
      const std::size_t n = (b1 & 0x0Fu) * 256 + source[x + 2] + kMinRun;
      if (cap - y < n) return kLzrw1Failure;
      std::memset(destination + y, source[x + 3], n);
      x += 4;
      y += n;
    }
    command <<= 1;
  }

  // Careful loop for the last bytes of the block or of the room: every read
  // and write is checked. Invariants at the top of every pass: x < length,
  // y <= cap.
  while (x < length) {
    if (command == kCommandUsedUp) {
      if (length - x < 2) return kLzrw1Failure;
      command = CommandBits(source[x], source[x + 1]);
      x += 2;
      // A command word always announces at least one item.
      if (x >= length) return kLzrw1Failure;
    }

    if ((command & kTopBit) == 0) {
      // All literals up to the next 1 bit (or the end of the command word, or
      // the end of the block) are copied in one step.
      const std::size_t k =
          std::min<std::size_t>(static_cast<unsigned>(std::countl_zero(command)), length - x);
      if (cap - y < k) return kLzrw1Failure;
      std::memcpy(destination + y, source + x, k);
      x += k;
      y += k;
      command <<= k;
      continue;
    }

    if (length - x < 2) return kLzrw1Failure;
    const unsigned b0 = source[x];
    const unsigned b1 = source[x + 1];
    const std::size_t offset = (b0 << 4) | (b1 >> 4);
    if (offset != 0) {
      const std::size_t n = (b1 & 0x0Fu) + kMinCopy;
      if (offset > y || cap - y < n) return kLzrw1Failure;
      // Byte by byte: a copy longer than its offset repeats the bytes it
      // has just written.
      uint8_t* to = destination + y;
      const uint8_t* from = to - offset;
      for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
      x += 2;
      y += n;
    } else {
      // Offset 0 means the high nibble of b1 is 0 as well, so the length is
      // b1*256 + b2 + 16 either way.
      if (length - x < 4) return kLzrw1Failure;
      const std::size_t n = (b1 & 0x0Fu) * 256 + source[x + 2] + kMinRun;
      if (cap - y < n) return kLzrw1Failure;
      std::memset(destination + y, source[x + 3], n);
      x += 4;
      y += n;
    }
    command <<= 1;
  }
  return static_cast<int>(y);
}

}  // namespace setup
