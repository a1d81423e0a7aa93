#pragma once
// Decoder of one LZRW1/KH block.
//
// A block starts with a flag byte. 0x80 marks a stored block whose remaining
// bytes are the output. Any other flag marks a compressed block: 16-bit
// command words (high byte first) whose bits, from the highest down, tell
// whether each of the next 16 items is a literal (0) or a copy or run (1).
//   literal  1 byte   the byte itself
//   copy     2 bytes  offset = b0*16 + (b1>>4) (1..4095), length (b1&15)+3,
//                     copied byte by byte from offset bytes back
//   run      4 bytes  offset 0, length (b1&15)*256 + b2 + 16, every byte b3
// The next command word sits right before the 17th, 33rd, ... item; a block
// that ends right after an item needs no further command word.
#include <cstddef>
#include <cstdint>

namespace setup {

// Size of the setup's input and output buffers for one block.
inline constexpr std::size_t kLzrw1BufferSize = 32783;
// Longest block the format describes (its length is a 16-bit number).
inline constexpr std::size_t kLzrw1MaxBlockLength = 65535;
// The one result by which DecompressLzrw1Block refuses a block.
inline constexpr int kLzrw1Failure = -1;

// Decodes the block source[0..length) into destination[0..capacity) and
// returns the number of output bytes, or kLzrw1Failure when
//   - length exceeds kLzrw1MaxBlockLength,
//   - a command word or an item would be read past the end of the block,
//   - a copy reaches before the start of the output,
//   - the output would exceed capacity.
// A block of 0 or 1 bytes yields 0 bytes. Nothing outside source[0..length)
// is read and nothing outside destination[0..capacity) is written; bytes of
// destination past the returned length (up to capacity) may be overwritten.
// source and destination must not overlap.
int DecompressLzrw1Block(const uint8_t* source, std::size_t length, uint8_t* destination,
                         std::size_t capacity);

}  // namespace setup
