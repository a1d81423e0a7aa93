// The LZRW1/KH block decoder, the compressor of the package builder (round
// trips) and the payload loop that turns a container of blocks into the
// working payload.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "packbuilder/lzrw1kh_compressor.h"
#include "platform/errors.h"
#include "platform/stream.h"
#include "setup/archive/LZRW1KH.h"
#include "setup/archive/LZRW1KHPayload.h"
#include "setup/package/TBigIniFile.h"
#include "lzrw1kh_reference.h"

namespace {

using setup::DecompressLzrw1Block;
using setup::kLzrw1BufferSize;
using setup::kLzrw1Failure;

// "80 61 62" -> the three bytes.
std::string Hex(std::string_view text) {
  std::string out;
  int nibbles = 0;
  unsigned value = 0;
  for (char c : text) {
    if (c == ' ') continue;
    const unsigned digit =
        (c >= '0' && c <= '9') ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
    value = value * 16 + digit;
    if (++nibbles == 2) {
      out.push_back(static_cast<char>(value));
      nibbles = 0;
      value = 0;
    }
  }
  return out;
}

struct Decoded {
  int result;
  std::string output;
};

// Decodes into a buffer of exactly capacity bytes, so that a write past it is
// caught by the address sanitizer.
Decoded Decode(const std::string& block, std::size_t capacity = kLzrw1BufferSize) {
  std::vector<uint8_t> src(block.begin(), block.end());
  std::vector<uint8_t> dst(capacity);
  const int n = DecompressLzrw1Block(src.data(), src.size(), dst.data(), dst.size());
  Decoded d{n, {}};
  if (n > 0) d.output.assign(dst.begin(), dst.begin() + n);
  return d;
}

std::string Repeat(std::string_view unit, std::size_t times) {
  std::string s;
  for (std::size_t i = 0; i < times; ++i) s.append(unit);
  return s;
}

// ---------------------------------------------------------------------------
// Decoder: fixtures that decode.

struct BlockCase {
  const char* name;
  std::string block;
  std::string expected;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }


class Lzrw1DecodeTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(Lzrw1DecodeTest, DecodesToExpectedBytes) {
  const BlockCase& c = GetParam();
  const Decoded roomy = Decode(c.block);
  ASSERT_EQ(roomy.result, static_cast<int>(c.expected.size()));
  EXPECT_EQ(roomy.output, c.expected);
  // Also with a destination exactly as long as the output: the fast paths
  // must not need room beyond it.
  const Decoded tight = Decode(c.block, c.expected.size());
  ASSERT_EQ(tight.result, static_cast<int>(c.expected.size()));
  EXPECT_EQ(tight.output, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Lzrw1DecodeTest,
    ::testing::Values(
        BlockCase{"Stored", Hex("80 61 62"), "ab"},
        BlockCase{"StoredEmpty", Hex("80"), ""},
        BlockCase{"OneByteBlock", Hex("41"), ""},
        BlockCase{"EmptyBlock", "", ""},
        BlockCase{"ZeroCommandWordAllLiterals", Hex("00 00 00 61 62 63"), "abc"},
        BlockCase{"CommandWordOnly", Hex("00 00 00"), ""},
        BlockCase{"AnyFlagButStoredIsCompressed", Hex("37 00 00 61"), "a"},
        BlockCase{"LiteralThenCopyFromOffset1", Hex("00 40 00 61 00 13"), std::string(7, 'a')},
        BlockCase{"Run", Hex("00 80 00 00 00 05 7A"), std::string(21, 'z')},
        BlockCase{"LongestRun", Hex("00 80 00 00 0F FF 55"), std::string(4111, 'U')},
        BlockCase{"OverlappingCopyOffset2", Hex("00 20 00 61 62 00 24"), "ababababa"},
        BlockCase{"OverlappingCopyOffset8Length18",
                  Hex("00 00 80 31 32 33 34 35 36 37 38 00 8F"),
                  "12345678" "123456781234567812"},
        BlockCase{"CopyFromOffset4095",
                  // literal B, run of 4094 A, copy offset 4095 length 18
                  Hex("00 60 00 42 00 0F EE 41 FF FF"),
                  "B" + std::string(4094, 'A') + "B" + std::string(17, 'A')},
        BlockCase{"SixteenItemsNeedNoFurtherCommandWord",
                  Hex("00 00 00 61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 70"),
                  "abcdefghijklmnop"},
        BlockCase{"SecondCommandWordBeforeSeventeenthItem",
                  // 15 literals, a copy as 16th item (lowest bit), then a new
                  // command word announcing a copy of offset 18 and a literal.
                  Hex("00 00 01 61 62 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 00 F0"
                      " 80 00 01 21 7A"),
                  "abcdefghijklmno" "abc" "abcd" "z"}),
    [](const ::testing::TestParamInfo<BlockCase>& info) { return info.param.name; });

// ---------------------------------------------------------------------------
// Decoder: blocks that are refused.

struct RefusalCase {
  const char* name;
  std::string block;
  std::size_t capacity;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }


class Lzrw1RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Lzrw1RefusalTest, ReturnsTheFailureResult) {
  const RefusalCase& c = GetParam();
  EXPECT_EQ(Decode(c.block, c.capacity).result, kLzrw1Failure);
}

const std::string kSixteenLiterals = "abcdefghijklmnop";

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Lzrw1RefusalTest,
    ::testing::Values(
        RefusalCase{"CopyAtStartOfOutput", Hex("00 80 00 00 13"), kLzrw1BufferSize},
        RefusalCase{"CopyReachesBeforeStart", Hex("00 40 00 61 00 23"), kLzrw1BufferSize},
        RefusalCase{"StoredLargerThanCapacity", Hex("80 61 62 63"), 2},
        RefusalCase{"LiteralPastCapacity", Hex("00 00 00 61 62 63"), 2},
        RefusalCase{"CopyPastCapacity", Hex("00 40 00 61 00 13"), 6},
        RefusalCase{"RunPastCapacity", Hex("00 80 00 00 0F FF 55"), 4110},
        RefusalCase{"OutputAboveBufferSize",  // 8 runs of 4111 = 32888 bytes
                    Hex("00 FF 00") + Repeat(Hex("00 0F FF 41"), 8), kLzrw1BufferSize},
        RefusalCase{"CommandWordCutShort", Hex("00 00"), kLzrw1BufferSize},
        RefusalCase{"CopyCutShort", Hex("00 40 00 61 00"), kLzrw1BufferSize},
        RefusalCase{"RunCutShort", Hex("00 80 00 00 00 05"), kLzrw1BufferSize},
        RefusalCase{"SecondCommandWordCutShort", Hex("00 00 00") + kSixteenLiterals + Hex("80"),
                    kLzrw1BufferSize},
        RefusalCase{"SecondCommandWordWithoutItem",
                    Hex("00 00 00") + kSixteenLiterals + Hex("00 00"), kLzrw1BufferSize},
        RefusalCase{"LongerThanSixteenBits", Hex("80") + std::string(65535, 'x'), 70000}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(Lzrw1Decode, RefusedBlockStaysInsideTheDestination) {
  // A run that does not fit must not touch the destination at all beyond the
  // capacity handed in; the guard bytes after it stay as they were.
  const std::string block = Hex("00 80 00 00 0F FF 55");
  std::vector<uint8_t> src(block.begin(), block.end());
  std::vector<uint8_t> dst(100 + 16, 0xEE);
  EXPECT_EQ(DecompressLzrw1Block(src.data(), src.size(), dst.data(), 100), kLzrw1Failure);
  for (std::size_t i = 100; i < dst.size(); ++i) EXPECT_EQ(dst[i], 0xEE) << i;
}

// Decodes with the decoder and the plain reference decoder into buffers of
// exactly capacity bytes; both must give the same result and bytes.
int ExpectSameAsReference(const std::string& block, std::size_t capacity) {
  const Decoded d = Decode(block, capacity);
  std::vector<uint8_t> src(block.begin(), block.end());
  std::vector<uint8_t> expected(capacity);
  const int m =
      lzrw1_reference::ReferenceDecode(src.data(), src.size(), expected.data(), expected.size());
  EXPECT_EQ(d.result, m) << "capacity " << capacity;
  if (d.result > 0 && d.result == m) {
    EXPECT_TRUE(d.output == std::string(expected.begin(), expected.begin() + m))
        << "capacity " << capacity;
  }
  return d.result;
}

// Inputs kept from fuzzing (tests/setup/data/lzrw1kh/): with each of them the
// fuzz target caught a fault in the decoder's fast loop or end checks. They
// are replayed as the fuzz target does: against the reference decoder, with
// the setup's room, then with the room cut to the output's length, one byte
// below it and (last byte mod 64) bytes below it.
TEST(Lzrw1Decode, ReplaysFuzzFindings) {
  const std::filesystem::path dir = std::filesystem::path(TEST_DATA_DIR) / "lzrw1kh";
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir)) {
    SCOPED_TRACE(entry.path().filename().string());
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string block((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ++files;
    const int n = ExpectSameAsReference(block, kLzrw1BufferSize);
    if (n <= 0) continue;
    const auto full = static_cast<std::size_t>(n);
    EXPECT_EQ(ExpectSameAsReference(block, full), n);
    EXPECT_EQ(ExpectSameAsReference(block, full - 1), kLzrw1Failure);
    ExpectSameAsReference(
        block, full - std::min<std::size_t>(full, static_cast<uint8_t>(block.back()) % 64));
  }
  ASSERT_GT(files, 0) << "no inputs in " << dir;
}

// ---------------------------------------------------------------------------
// Compressor round trips.

std::string RandomBytes(std::size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(gen() & 0xFF);
  return s;
}

std::string TextLike(std::size_t n, uint32_t seed) {
  static const char* const kWords[] = {"tiket", "loto", "keno", "cislo", "zreb", "vyhra",
                                       "setup", "instalacia", "subor", "the", "of", "and",
                                       "number", "ticket", "draw", "\r\n"};
  std::mt19937 gen(seed);
  std::string s;
  while (s.size() < n) {
    s += kWords[gen() % std::size(kWords)];
    s += ' ';
  }
  s.resize(n);
  return s;
}

std::string Periodic(std::size_t n, std::size_t period, uint32_t seed) {
  const std::string unit = RandomBytes(period, seed);
  std::string s;
  while (s.size() < n) s += unit;
  s.resize(n);
  return s;
}

// Runs of random lengths (1..6000) of random bytes, with some noise between.
std::string RunsAndNoise(std::size_t n, uint32_t seed) {
  std::mt19937 gen(seed);
  std::string s;
  while (s.size() < n) {
    s.append(1 + gen() % 6000, static_cast<char>(gen() & 0xFF));
    s += RandomBytes(gen() % 40, gen());
  }
  s.resize(n);
  return s;
}

struct RoundTripCase {
  const char* name;
  std::string input;
};

void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.name; }


class Lzrw1RoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(Lzrw1RoundTripTest, CompressorOutputDecodesToInput) {
  const std::string& input = GetParam().input;
  const std::string block = packbuilder::CompressLzrw1Block(input);
  ASSERT_LE(block.size(), input.size() + 1);
  const Decoded d = Decode(block);
  ASSERT_EQ(d.result, static_cast<int>(input.size()));
  EXPECT_TRUE(d.output == input);
}

INSTANTIATE_TEST_SUITE_P(
    Data, Lzrw1RoundTripTest,
    ::testing::Values(RoundTripCase{"Size0", ""}, RoundTripCase{"Size1", "x"},
                      RoundTripCase{"Size2", "xx"},
                      RoundTripCase{"Size17Text", TextLike(17, 1)},
                      RoundTripCase{"Size17Same", std::string(17, 'q')},
                      RoundTripCase{"Size4096Text", TextLike(4096, 2)},
                      RoundTripCase{"Zeros32768", std::string(32768, '\0')},
                      RoundTripCase{"Random32768", RandomBytes(32768, 3)},
                      RoundTripCase{"Text32768", TextLike(32768, 4)},
                      RoundTripCase{"Runs32768", RunsAndNoise(32768, 5)},
                      RoundTripCase{"Period3", Periodic(32768, 3, 6)},
                      RoundTripCase{"Period7", Periodic(32768, 7, 7)},
                      RoundTripCase{"Period100", Periodic(32768, 100, 8)},
                      RoundTripCase{"Period4095", Periodic(32768, 4095, 9)},
                      RoundTripCase{"Period4096", Periodic(32768, 4096, 10)},
                      RoundTripCase{"Period5000", Periodic(32768, 5000, 11)}),
    [](const ::testing::TestParamInfo<RoundTripCase>& info) { return info.param.name; });

TEST(Lzrw1Compressor, PicksTheFormThatPays) {
  // 32768 zeros are a handful of runs; random bytes are stored unchanged;
  // text shrinks.
  const std::string zeros = packbuilder::CompressLzrw1Block(std::string(32768, '\0'));
  EXPECT_NE(static_cast<uint8_t>(zeros[0]), 0x80);
  EXPECT_LT(zeros.size(), 48u);

  const std::string random = RandomBytes(32768, 12);
  EXPECT_EQ(packbuilder::CompressLzrw1Block(random), "\x80" + random);

  const std::string text = TextLike(32768, 13);
  EXPECT_LT(packbuilder::CompressLzrw1Block(text).size(), text.size() * 2 / 3);
}

TEST(Lzrw1Compressor, RefusesMoreThanOneBlockOfInput) {
  EXPECT_THROW(packbuilder::CompressLzrw1Block(std::string(32769, 'a')), std::invalid_argument);
}

// ---------------------------------------------------------------------------
// Payload loop.

setup::TBigIniFile Config(const std::string& text) { return setup::TBigIniFile::FromBytes(text); }

// A container of three small blocks of 1, 2 and 5 bytes: 8 bytes decoding to
// "abc". The sizes put the progress on 12.5 % and 37.5 %, which round to the
// even neighbours 12 and 38.
const std::string kThreeBlocks = Hex("80") + Hex("80 61") + Hex("00 00 00 62 63");
const std::string kThreeBlockSizes = "[PAK]\r\nNovPak1=1\r\nNovPak2=2\r\nNovPak3=5\r\n";

struct EmbeddedRun {
  std::string output;
  std::vector<int> progress;
};

EmbeddedRun RunEmbedded(const std::string& config, const std::string& file, int64_t x, int64_t y) {
  platform::TMemoryStream setup_file(file);
  platform::TMemoryStream output;
  EmbeddedRun run;
  setup::DecompressLzrw1Embedded(Config(config), setup_file, x, y, output,
                                 [&](int p) { run.progress.push_back(p); });
  run.output = output.Bytes();
  return run;
}

EmbeddedRun RunSideFile(const std::string& config, const std::string& file) {
  platform::TMemoryStream payload(file);
  platform::TMemoryStream output;
  EmbeddedRun run;
  setup::DecompressLzrw1SideFile(Config(config), payload, output,
                                 [&](int p) { run.progress.push_back(p); });
  run.output = output.Bytes();
  return run;
}

TEST(Lzrw1Embedded, DecodesExactlyTheCountedBlocksWhateverFollows) {
  // Program image before X; after Y a fourth block with its own size key,
  // which must not be decoded.
  const std::string file = "IMAGE" + kThreeBlocks + Hex("80 78 79 7A") + "config";
  const std::string config =
      "[SUM]\r\nPak=3\r\n" + kThreeBlockSizes + "NovPak4=4\r\n";
  const EmbeddedRun run = RunEmbedded(config, file, 5, 5 + 8);
  EXPECT_EQ(run.output, "abc");
  EXPECT_EQ(run.progress, (std::vector<int>{12, 38, 100}));
}

TEST(Lzrw1Embedded, StopsAfterTheCountEvenWithinTheContainer) {
  const std::string file = "IMAGE" + kThreeBlocks;
  const EmbeddedRun run = RunEmbedded("[SUM]\r\nPak=2\r\n" + kThreeBlockSizes, file, 5, 13);
  EXPECT_EQ(run.output, "a");
  EXPECT_EQ(run.progress, (std::vector<int>{12, 38}));
}

// A payload of several blocks made by the compressor, laid out as the package
// builder does, comes back whole through both forms.
struct Container {
  std::string payload;
  std::string blocks;
  std::string config;
};

Container MakeContainer() {
  Container c;
  c.payload = TextLike(40000, 21) + std::string(20000, '\0') + RandomBytes(9000, 22) +
              Periodic(30000, 300, 23);
  std::string sizes;
  int count = 0;
  for (std::size_t at = 0; at < c.payload.size(); at += 32768) {
    const std::string block = packbuilder::CompressLzrw1Block(
        std::string_view(c.payload).substr(at, 32768));
    c.blocks += block;
    sizes += "NovPak" + std::to_string(++count) + "=" + std::to_string(block.size()) + "\r\n";
  }
  c.config = "[SUM]\r\nPak=" + std::to_string(count) + "\r\n[PAK]\r\n" + sizes;
  return c;
}

TEST(Lzrw1Embedded, RestoresACompressedPayload) {
  const Container c = MakeContainer();
  const EmbeddedRun run = RunEmbedded(c.config, "MZ" + c.blocks + "tail", 2,
                                      2 + static_cast<int64_t>(c.blocks.size()));
  EXPECT_TRUE(run.output == c.payload);
  ASSERT_EQ(run.progress.size(), 4u);
  EXPECT_EQ(run.progress.back(), 100);
}

TEST(Lzrw1SideFile, RestoresACompressedPayload) {
  const Container c = MakeContainer();
  const EmbeddedRun run = RunSideFile(c.config, c.blocks);
  EXPECT_TRUE(run.output == c.payload);
  ASSERT_EQ(run.progress.size(), 4u);
  EXPECT_EQ(run.progress.back(), 100);
}

TEST(Lzrw1SideFile, ReadsWhileTheFileHasBytesAndIgnoresTheCount) {
  // Pak says 1 and a fifth size key exists: the file decides.
  const EmbeddedRun run = RunSideFile(
      "[SUM]\r\nPak=1\r\n" + kThreeBlockSizes + "NovPak4=9\r\n", kThreeBlocks);
  EXPECT_EQ(run.output, "abc");
  EXPECT_EQ(run.progress, (std::vector<int>{12, 38, 100}));
}

TEST(Lzrw1SideFile, DecodesALastBlockCutShortWithTheBytesThatAreThere) {
  // The second block's key says 12 bytes but only 3 remain; the progress
  // counts the keys and stops at 100.
  const EmbeddedRun run = RunSideFile("[PAK]\r\nNovPak1=2\r\nNovPak2=12\r\n", Hex("80 61 80 62 63"));
  EXPECT_EQ(run.output, "abc");
  EXPECT_EQ(run.progress, (std::vector<int>{40, 100}));
}

TEST(Lzrw1SideFile, EmptyFileGivesEmptyPayload) {
  const EmbeddedRun run = RunSideFile("[PAK]\r\n", "");
  EXPECT_EQ(run.output, "");
  EXPECT_TRUE(run.progress.empty());
}

template <typename F>
void ExpectLzrw1Failure(F&& f) {
  try {
    f();
    ADD_FAILURE() << "no ELzrw1Error";
  } catch (const setup::ELzrw1Error& e) {
    EXPECT_STREQ(e.what(), setup::kLzrw1ErrorText);
  }
}

struct EmbeddedRefusal {
  const char* name;
  std::string config;
  std::string container;
  int64_t extra_range;  // added to the container's length to give Y - X
};

void PrintTo(const EmbeddedRefusal& c, std::ostream* os) { *os << c.name; }


class Lzrw1EmbeddedRefusalTest : public ::testing::TestWithParam<EmbeddedRefusal> {};

TEST_P(Lzrw1EmbeddedRefusalTest, FailsWithTheOneError) {
  const EmbeddedRefusal& c = GetParam();
  const int64_t y = 5 + static_cast<int64_t>(c.container.size()) + c.extra_range;
  ExpectLzrw1Failure([&] { RunEmbedded(c.config, "IMAGE" + c.container, 5, y); });
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Lzrw1EmbeddedRefusalTest,
    ::testing::Values(
        EmbeddedRefusal{"CountAbsent", kThreeBlockSizes, kThreeBlocks, 0},
        EmbeddedRefusal{"CountZero", "[SUM]\r\nPak=0\r\n" + kThreeBlockSizes, kThreeBlocks, 0},
        EmbeddedRefusal{"CountNegative", "[SUM]\r\nPak=-2\r\n" + kThreeBlockSizes, kThreeBlocks, 0},
        EmbeddedRefusal{"CountNotANumber", "[SUM]\r\nPak=tri\r\n" + kThreeBlockSizes, kThreeBlocks, 0},
        EmbeddedRefusal{"SizeKeyAbsent", "[SUM]\r\nPak=4\r\n" + kThreeBlockSizes,
                        kThreeBlocks + Hex("80 61"), 0},
        EmbeddedRefusal{"SizeKeyNotANumber", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=2x\r\n",
                        Hex("80 61"), 0},
        EmbeddedRefusal{"SizeKeyEmpty", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=\r\n", Hex("80 61"), 0},
        EmbeddedRefusal{"SizeKeyZero", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=0\r\n", Hex("80 61"), 0},
        EmbeddedRefusal{"SizeKeyAboveBuffer", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=32784\r\n",
                        Hex("80") + std::string(32783, 'x'), 0},
        EmbeddedRefusal{"ShortRead", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=5\r\n", Hex("80 61 62"), 2},
        EmbeddedRefusal{"BlockDoesNotDecode", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=5\r\n",
                        Hex("00 80 00 00 13"), 0},
        EmbeddedRefusal{"SizesExceedTheContainer", "[SUM]\r\nPak=3\r\n" + kThreeBlockSizes,
                        kThreeBlocks, -1},
        EmbeddedRefusal{"EmptyContainer", "[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=1\r\n", "", 0}),
    [](const ::testing::TestParamInfo<EmbeddedRefusal>& info) { return info.param.name; });

TEST(Lzrw1Embedded, AcceptsTheLargestBlockSize) {
  // The refusal above 32783 must not cut off a full-size block.
  const std::string block = Hex("80") + std::string(32782, 'x');
  const EmbeddedRun run = RunEmbedded("[SUM]\r\nPak=1\r\n[PAK]\r\nNovPak1=32783\r\n", block, 0,
                                      static_cast<int64_t>(block.size()));
  EXPECT_EQ(run.output, std::string(32782, 'x'));
}

struct SideRefusal {
  const char* name;
  std::string config;
  std::string file;
};

void PrintTo(const SideRefusal& c, std::ostream* os) { *os << c.name; }


class Lzrw1SideFileRefusalTest : public ::testing::TestWithParam<SideRefusal> {};

TEST_P(Lzrw1SideFileRefusalTest, FailsWithTheOneError) {
  const SideRefusal& c = GetParam();
  ExpectLzrw1Failure([&] { RunSideFile(c.config, c.file); });
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Lzrw1SideFileRefusalTest,
    ::testing::Values(
        SideRefusal{"SizeKeyAbsentWhileBytesRemain", "[PAK]\r\nNovPak1=2\r\n", Hex("80 61 80 62")},
        SideRefusal{"SizeKeyNotANumber", "[PAK]\r\nNovPak1=dva\r\n", Hex("80 61")},
        SideRefusal{"SizeKeyZero", "[PAK]\r\nNovPak1=0\r\n", Hex("80 61")},
        SideRefusal{"SizeKeyAboveBuffer", "[PAK]\r\nNovPak1=40000\r\n", Hex("80 61")},
        SideRefusal{"BlockDoesNotDecode", "[PAK]\r\nNovPak1=6\r\n", Hex("00 40 00 61 00 23")},
        SideRefusal{"BlockCutShortBreaksAnItem", "[PAK]\r\nNovPak1=7\r\n", Hex("00 80 00 00 00")}),
    [](const ::testing::TestParamInfo<SideRefusal>& info) { return info.param.name; });

// An output that refuses to take bytes, as a full disk does.
class FailingOutput : public platform::TStream {
 public:
  explicit FailingOutput(bool throws) : throws_(throws) {}
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t count) override {
    if (throws_) throw platform::EInOutError("Write error");
    return count - 1;
  }
  int64_t Seek(int64_t, platform::SeekOrigin) override { return 0; }

 private:
  bool throws_;
};

TEST(Lzrw1Payload, WriteFailuresBecomeTheOneError) {
  for (bool throws : {true, false}) {
    SCOPED_TRACE(throws ? "write throws" : "short write");
    platform::TMemoryStream container(kThreeBlocks);
    FailingOutput output(throws);
    ExpectLzrw1Failure([&] {
      setup::DecompressLzrw1Embedded(Config("[SUM]\r\nPak=3\r\n" + kThreeBlockSizes), container,
                                     0, 8, output, nullptr);
    });
    platform::TMemoryStream side(kThreeBlocks);
    ExpectLzrw1Failure([&] {
      setup::DecompressLzrw1SideFile(Config(kThreeBlockSizes), side, output, nullptr);
    });
  }
}

TEST(Lzrw1Payload, WorksOnFilesOnDisk) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("lzrw1kh_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const Container c = MakeContainer();
  {
    std::ofstream(dir / "data.cab", std::ios::binary) << c.blocks;
  }
  {
    platform::TFileStream payload((dir / "data.cab").string(), platform::FileMode::OpenRead);
    platform::TFileStream output((dir / "data.cab.dat").string(), platform::FileMode::Create);
    setup::DecompressLzrw1SideFile(Config(c.config), payload, output, nullptr);
  }
  std::ifstream in(dir / "data.cab.dat", std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_TRUE(written == c.payload);
  std::filesystem::remove_all(dir);
}

TEST(Lzrw1Payload, ProgressRoundsHalvesToEven) {
  struct Case {
    int64_t part, whole;
    int percent;
  } cases[] = {{1, 8, 12},   {3, 8, 38},   {1, 200, 0},  {3, 200, 2},   {5, 200, 2},
               {1, 3, 33},   {2, 3, 67},   {0, 9, 0},    {9, 9, 100},   {199, 200, 100},
               {397, 400, 99}, {int64_t{1} << 40, (int64_t{1} << 41) + 1, 50}};
  for (const Case& c : cases) {
    EXPECT_EQ(setup::Lzrw1ProgressPercent(c.part, c.whole), c.percent)
        << c.part << "/" << c.whole;
  }
}

}  // namespace
