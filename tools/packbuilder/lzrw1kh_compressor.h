#pragma once
// Compressor of one LZRW1/KH block, the payload format of the method
// "Lzrw1Blocks" that the setup decodes block by block.
#include <cstddef>
#include <string>
#include <string_view>

namespace packbuilder {

// Largest input one block may carry.
inline constexpr std::size_t kLzrw1MaxBlockInput = 32768;

// Compresses input (at most kLzrw1MaxBlockInput bytes, otherwise
// std::invalid_argument) into one block. The block is either compressed
// (flag byte 0x00, then command words and items) or, when compression does not
// make it smaller, stored (flag byte 0x80 followed by the input unchanged).
// The setup's decoder turns the result back into exactly the input.
// Greedy: at every position it takes the longer of a run of one byte value
// and the longest copy among recent earlier places with the same next three
// bytes, or else a literal.
std::string CompressLzrw1Block(std::string_view input);

}  // namespace packbuilder
