#pragma once
// Payloads, bzip2 streams and containers for the archive stream tests.
#include <bzlib.h>

#include <cstdint>
#include <stdexcept>
#include <string>

#include "platform/stream.h"

namespace archive_test {

// Mixed data: runs of text with numbers, and stretches of noise, so that the
// compressed stream is neither tiny nor incompressible.
inline std::string MakePayload(size_t size, uint32_t seed = 1) {
  std::string out;
  out.reserve(size);
  uint32_t x = seed * 2654435761u + 12345u;
  auto next = [&x] {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    return x;
  };
  static const char* const kWords[] = {"Keno 10 ", "Loto 6-49 ", "tiket ", "cisla ", "vyhra ",
                                       "tah ",     "\r\n",        "setup ", "archiv "};
  while (out.size() < size) {
    const uint32_t r = next();
    if (r % 7 == 0) {
      for (int i = 0; i < 64; ++i) out.push_back(static_cast<char>(next()));
    } else {
      out += kWords[r % 9];
      out += std::to_string(r % 1000);
    }
  }
  out.resize(size);
  return out;
}

// Bytes with no structure at all: their bzip2 stream is larger than they are.
inline std::string MakeNoise(size_t size, uint32_t seed = 7) {
  std::string out(size, '\0');
  uint64_t x = seed * 0x9E3779B97F4A7C15ull + 1;
  for (char& c : out) {
    x = x * 6364136223846793005ull + 1442695040888963407ull;
    c = static_cast<char>(x >> 56);
  }
  return out;
}

// One complete bzip2 stream of the payload, made by libbz2 itself.
inline std::string Bzip2(const std::string& payload, int blockSize100k = 9) {
  unsigned int room = static_cast<unsigned>(payload.size() + payload.size() / 50 + 1024);
  std::string out(room, '\0');
  const int r = BZ2_bzBuffToBuffCompress(out.data(), &room, const_cast<char*>(payload.data()),
                                         static_cast<unsigned>(payload.size()), blockSize100k,
                                         0, 0);
  if (r != BZ_OK) throw std::runtime_error("BZ2_bzBuffToBuffCompress failed");
  out.resize(room);
  return out;
}

inline std::string BzipContainer(const std::string& payload) {
  return "BZIP0001" + Bzip2(payload);
}

// The container format of the test module library: the payload XORed with
// the repeating key "tivra".
inline std::string XorContainer(const std::string& moduleId, const std::string& payload) {
  static const char kKey[] = "tivra";
  std::string out = moduleId + payload;
  for (size_t i = 0; i < payload.size(); ++i) out[moduleId.size() + i] ^= kKey[i % 5];
  return out;
}

// What a stream delivers, read in blocks of blockSize until Read returns 0 or
// less; last holds that final result.
struct TDrained {
  std::string bytes;
  int64_t last = 0;
};

inline TDrained Drain(platform::TStream& stream, int64_t blockSize = 4096) {
  TDrained out;
  std::string block(static_cast<size_t>(blockSize), '\0');
  for (;;) {
    out.last = stream.Read(block.data(), blockSize);
    if (out.last <= 0) break;
    out.bytes.append(block.data(), static_cast<size_t>(out.last));
  }
  return out;
}

}  // namespace archive_test
