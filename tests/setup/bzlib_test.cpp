// The bzip2 decoding stream over libbz2: clean ends, bytes after the end,
// streams cut short, corrupt streams, seeking, a source moved under it, and
// progress.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "archive_test_data.h"
#include "platform/stream.h"
#include "setup/archive/bzLib.h"

namespace {

using archive_test::Bzip2;
using archive_test::Drain;
using archive_test::MakeNoise;
using archive_test::MakePayload;
using platform::SeekOrigin;
using platform::TMemoryStream;
using setup::EBZCompressionError;
using setup::EBZDecompressionError;
using setup::TBZDecompressionStream;

// Reads in blocks until the stream fails and returns what came before; the
// failure's text goes to error ("" when the stream ended without one).
std::string ReadUntilFailure(TBZDecompressionStream& stream, std::string& error) {
  std::string got;
  std::string block(4096, '\0');
  error.clear();
  try {
    for (;;) {
      const int64_t n = stream.Read(block.data(), 4096);
      if (n <= 0) break;
      got.append(block.data(), static_cast<size_t>(n));
    }
  } catch (const EBZCompressionError& e) {
    error = e.what();
  }
  return got;
}

bool IsPrefix(const std::string& prefix, const std::string& whole) {
  return prefix.size() <= whole.size() && whole.compare(0, prefix.size(), prefix) == 0;
}

TEST(BZDecompressionStream, CleanStreamYieldsExactlyThePayloadThenZero) {
  struct Case {
    const char* name;
    std::string payload;
    int blockSize100k;
    int64_t readSize;
  };
  const std::vector<Case> cases = {
      {"empty payload", "", 9, 4096},
      {"one byte", "x", 9, 4096},
      {"one-byte reads", MakePayload(3000), 9, 1},
      {"exactly one read", MakePayload(4096), 9, 4096},
      // The stream is larger than the 65536-byte input buffer.
      {"noise over several input blocks", MakeNoise(200000), 9, 4096},
      {"many bzip2 blocks", MakePayload(700000), 1, 4096},
      {"reads larger than the payload", MakePayload(50000), 9, 1 << 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream source(Bzip2(c.payload, c.blockSize100k));
    TBZDecompressionStream stream(source);
    const auto drained = Drain(stream, c.readSize);
    EXPECT_EQ(drained.last, 0);
    EXPECT_TRUE(drained.bytes == c.payload) << drained.bytes.size() << " of " << c.payload.size();
    char more[16];
    EXPECT_EQ(stream.Read(more, sizeof more), 0) << "the end stays the end";
    EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), static_cast<int64_t>(c.payload.size()));
  }
}

TEST(BZDecompressionStream, BytesAfterTheStreamFailWithSequenceError) {
  struct Case {
    const char* name;
    std::string payload;
    std::string trailer;
  };
  const std::string small = MakePayload(10000);
  const std::vector<Case> cases = {
      {"one byte after a small stream", small, std::string(1, '\0')},
      {"one byte after a stream over several input blocks", MakeNoise(150000), "Z"},
      {"payload ending on a read boundary", MakePayload(8192), "\x01"},
      {"a second bzip2 stream", small, Bzip2("more")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream source(Bzip2(c.payload) + c.trailer);
    TBZDecompressionStream stream(source);
    std::string error;
    const std::string got = ReadUntilFailure(stream, error);
    EXPECT_EQ(error, "error -1");
    // Every read before the one that passes the end delivered good bytes.
    EXPECT_TRUE(IsPrefix(got, c.payload));
    EXPECT_GT(got.size() + 4096, c.payload.size());
  }
}

TEST(BZDecompressionStream, StreamCutShortFailsInsteadOfEndingEarly) {
  const std::string payload = MakePayload(300000);
  const std::string full = Bzip2(payload);
  struct Case {
    const char* name;
    std::string source;
  };
  const std::vector<Case> cases = {
      {"empty source", ""},
      {"stream header only", full.substr(0, 4)},
      {"half of the stream", full.substr(0, full.size() / 2)},
      {"all but the last byte", full.substr(0, full.size() - 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TMemoryStream source(c.source);
    TBZDecompressionStream stream(source);
    std::string error;
    const std::string got = ReadUntilFailure(stream, error);
    EXPECT_EQ(error, "error -7");  // libbz2's "unexpected end of input"
    EXPECT_TRUE(IsPrefix(got, payload));
  }
}

TEST(BZDecompressionStream, CorruptStreamFailsWithTheLibraryCode) {
  const std::string payload = MakePayload(100000);
  const std::string good = Bzip2(payload);
  struct Case {
    const char* name;
    size_t offset;
    char value;
    const char* error;
  };
  const std::vector<Case> cases = {
      {"not a bzip2 stream", 0, 'X', "error -5"},
      {"bad block size digit", 3, '0', "error -5"},
      {"damaged block data", good.size() / 2, 0, "error -4"},
      {"damaged stream checksum", good.size() - 3, 0, "error -4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string bad = good;
    bad[c.offset] = c.value != 0 ? c.value : static_cast<char>(bad[c.offset] ^ 0x55);
    TMemoryStream source(bad);
    TBZDecompressionStream stream(source);
    std::string error;
    const std::string got = ReadUntilFailure(stream, error);
    EXPECT_EQ(error, c.error);
    EXPECT_LT(got.size(), payload.size());
  }
}

TEST(BZDecompressionStream, SeekOnlyAnswersForwardQueriesAndWriteFails) {
  const std::string payload = MakePayload(20000);
  TMemoryStream source(Bzip2(payload));
  TBZDecompressionStream stream(source);
  std::string block(5000, '\0');
  ASSERT_EQ(stream.Read(block.data(), 5000), 5000);
  EXPECT_EQ(stream.Seek(0, SeekOrigin::Current), 5000);
  // A forward seek answers the total but moves nothing.
  EXPECT_EQ(stream.Seek(100, SeekOrigin::Current), 5000);
  ASSERT_EQ(stream.Read(block.data(), 10), 10);
  EXPECT_EQ(block.substr(0, 10), payload.substr(5000, 10));

  for (auto [offset, origin] : {std::pair{int64_t{-1}, SeekOrigin::Current},
                                {int64_t{0}, SeekOrigin::Beginning},
                                {int64_t{0}, SeekOrigin::End}}) {
    try {
      stream.Seek(offset, origin);
      ADD_FAILURE() << "seek " << offset << " succeeded";
    } catch (const EBZDecompressionError& e) {
      EXPECT_STREQ(e.what(), "Invalid stream operation");
    }
  }
  try {
    stream.Write("x", 1);
    ADD_FAILURE() << "write succeeded";
  } catch (const EBZDecompressionError& e) {
    EXPECT_STREQ(e.what(), "Invalid stream operation");
  }
}

TEST(BZDecompressionStream, SourceMovedBetweenReadsIsMovedBack) {
  // The stream is larger than one input block, so a later read must refill
  // from where the first refill stopped, not from where the source was left.
  const std::string payload = MakeNoise(200000);
  TMemoryStream source("XYZ" + Bzip2(payload));
  source.SetPosition(3);
  TBZDecompressionStream stream(source);
  std::string first(4096, '\0');
  ASSERT_EQ(stream.Read(first.data(), 4096), 4096);
  source.SetPosition(0);
  const auto rest = Drain(stream);
  EXPECT_EQ(rest.last, 0);
  EXPECT_TRUE(first + rest.bytes == payload);
}

TEST(BZDecompressionStream, ProgressReportsTheRunningTotal) {
  const std::string payload = MakePayload(250000);
  TMemoryStream source(Bzip2(payload));
  TBZDecompressionStream stream(source);
  std::vector<int64_t> totals;
  stream.OnProgress = [&totals](int64_t total) { totals.push_back(total); };
  std::string block(4096, '\0');
  int64_t delivered = 0;
  for (;;) {
    const int64_t n = stream.Read(block.data(), 4096);
    if (n <= 0) break;
    delivered += n;
    ASSERT_FALSE(totals.empty());
    EXPECT_EQ(totals.back(), delivered);
  }
  EXPECT_EQ(totals.back(), static_cast<int64_t>(payload.size()));
  for (size_t i = 1; i < totals.size(); ++i) EXPECT_LE(totals[i - 1], totals[i]);
}

}  // namespace
