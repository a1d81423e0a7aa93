#include "lzrw1kh_compressor.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace packbuilder {
namespace {

constexpr unsigned char kCompressedFlag = 0x00;
constexpr unsigned char kStoredFlag = 0x80;

constexpr std::size_t kMaxOffset = 4095;
constexpr std::size_t kMinCopy = 3;
constexpr std::size_t kMaxCopy = 18;
constexpr std::size_t kMinRun = 16;
constexpr std::size_t kMaxRun = 4111;
constexpr std::size_t kItemsPerCommand = 16;

constexpr int kHashBits = 13;
// Candidates looked at per position: enough to find most 18-byte copies in
// text while keeping the builder fast.
constexpr int kMaxCandidates = 16;

uint32_t Hash3(const unsigned char* p) {
  const uint32_t v = (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
  return (v * 2654435761u) >> (32 - kHashBits);
}

// Appends items to a compressed block. Every group of 16 items is preceded by
// its command word, whose bits (highest first) tell a literal (0) from a copy
// or run (1). A command word is only written when an item follows it, so the
// decoder's end test never meets a command word without an item.
class BlockWriter {
 public:
  BlockWriter() { out_.push_back(static_cast<char>(kCompressedFlag)); }

  void Literal(unsigned char byte) {
    BeginItem(false);
    out_.push_back(static_cast<char>(byte));
  }

  // offset 1..4095, length 3..18.
  void Copy(std::size_t offset, std::size_t length) {
    BeginItem(true);
    out_.push_back(static_cast<char>(offset >> 4));
    out_.push_back(static_cast<char>(((offset & 0x0F) << 4) | (length - kMinCopy)));
  }

  // length 16..4111; the zero offset marks the item as a run.
  void Run(std::size_t length, unsigned char byte) {
    BeginItem(true);
    const std::size_t n = length - kMinRun;
    out_.push_back(0);
    out_.push_back(static_cast<char>(n >> 8));
    out_.push_back(static_cast<char>(n & 0xFF));
    out_.push_back(static_cast<char>(byte));
  }

  std::size_t Size() const { return out_.size(); }
  std::string Take() { return std::move(out_); }

 private:
  void BeginItem(bool copy_or_run) {
    if (items_ == kItemsPerCommand) {
      command_pos_ = out_.size();
      out_.append(2, '\0');
      items_ = 0;
    }
    if (copy_or_run) {
      const unsigned bit = 0x8000u >> items_;
      out_[command_pos_] = static_cast<char>(static_cast<unsigned char>(out_[command_pos_]) | (bit >> 8));
      out_[command_pos_ + 1] =
          static_cast<char>(static_cast<unsigned char>(out_[command_pos_ + 1]) | (bit & 0xFF));
    }
    ++items_;
  }

  std::string out_;
  std::size_t command_pos_ = 0;
  std::size_t items_ = kItemsPerCommand;
};

std::string StoredBlock(std::string_view input) {
  std::string block(1, static_cast<char>(kStoredFlag));
  block.append(input);
  return block;
}

}  // namespace

std::string CompressLzrw1Block(std::string_view input) {
  if (input.size() > kLzrw1MaxBlockInput) {
    throw std::invalid_argument("LZRW1/KH block input larger than 32768 bytes");
  }
  const auto* in = reinterpret_cast<const unsigned char*>(input.data());
  const std::size_t n = input.size();

  // Positions of earlier 3-byte groups: head holds the latest position of
  // every hash, previous[p] the position before p with the same hash (-1 for
  // none), so the candidates of a hash are walked newest first.
  std::vector<int32_t> head(std::size_t{1} << kHashBits, -1);
  std::vector<int32_t> previous(n, -1);
  auto remember = [&](std::size_t p) {
    const uint32_t h = Hash3(in + p);
    previous[p] = head[h];
    head[h] = static_cast<int32_t>(p);
  };
  BlockWriter writer;

  std::size_t i = 0;
  while (i < n) {
    // Greedy: once the block is no smaller than the stored form, stop.
    if (writer.Size() > n) return StoredBlock(input);

    std::size_t run = 1;
    while (i + run < n && run < kMaxRun && in[i + run] == in[i]) ++run;

    std::size_t best_len = 0;
    std::size_t best_off = 0;
    if (i + kMinCopy <= n) {
      const std::size_t limit = std::min(kMaxCopy, n - i);
      auto consider = [&](std::size_t candidate) {
        std::size_t len = 0;
        while (len < limit && in[candidate + len] == in[i + len]) ++len;
        if (len > best_len) {
          best_len = len;
          best_off = i - candidate;
        }
      };
      if (i > 0 && in[i - 1] == in[i]) consider(i - 1);  // a short run
      int32_t candidate = head[Hash3(in + i)];
      for (int tries = 0; candidate >= 0 && tries < kMaxCandidates && best_len < limit; ++tries) {
        const auto c = static_cast<std::size_t>(candidate);
        if (i - c > kMaxOffset) break;  // older candidates are further still
        consider(c);
        candidate = previous[c];
      }
      remember(i);
    }

    std::size_t advance = 1;
    if (run >= kMinRun && run > best_len) {
      writer.Run(run, in[i]);
      advance = run;
    } else if (best_len >= kMinCopy) {
      writer.Copy(best_off, best_len);
      advance = best_len;
    } else {
      writer.Literal(in[i]);
    }
    // Positions inside the item are remembered too, so later copies find them.
    for (std::size_t j = i + 1; j < i + advance && j + kMinCopy <= n; ++j) remember(j);
    i += advance;
  }

  if (writer.Size() >= n + 1) return StoredBlock(input);
  return writer.Take();
}

}  // namespace packbuilder
