// Trailer check, range reading and the side-file form test.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/stream.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PackageRanges.h"
#include "setup/package/PackageTrailer.h"

namespace {

using platform::TMemoryStream;
using setup::CheckTrailer;
using setup::PayloadMethod;
using setup::ReadPackageRange;

// A trailer written by hand: "<x>X<y>Y", "0" fill, own offset at 200, the
// method digit at 299 and the marks at 349, 359, 369.
std::string Trailer(const std::string& head, char method, int64_t own_offset = 0) {
  std::string t(400, '0');
  t.replace(0, head.size(), head);
  const std::string own = std::to_string(own_offset) + "X";
  t.replace(200, own.size(), own);
  t[299] = method;
  t[349] = 'L';
  t[359] = '0';
  t[369] = 'D';
  return t;
}

// A setup file: some image bytes and a trailer.
std::string SetupFile(const std::string& trailer, size_t before = 1000) {
  return std::string(before, '\xB6') + trailer;
}

TEST(PackageTrailer, ShippedExampleTrailerPasses) {
  // The shipped package: "240129X797499Y" ... "798496X" at 200.
  const std::string t = Trailer("240129X797499Y", '2', 798496);
  ASSERT_EQ(t.size(), 400u);
  EXPECT_EQ(t.substr(0, 14), "240129X797499Y");
  EXPECT_EQ(t.substr(200, 7), "798496X");
  TMemoryStream s(SetupFile(t));
  const auto check = CheckTrailer(s);
  EXPECT_TRUE(check.marks_valid);
  ASSERT_TRUE(check.method.has_value());
  EXPECT_EQ(*check.method, PayloadMethod::PowerArc);
}

TEST(PackageTrailer, MethodDigits) {
  for (auto [digit, method] : {std::pair{'0', PayloadMethod::Stored},
                               std::pair{'1', PayloadMethod::Lzrw1Blocks},
                               std::pair{'2', PayloadMethod::PowerArc}}) {
    TMemoryStream s(SetupFile(Trailer("5X9Y", digit)));
    const auto check = CheckTrailer(s);
    EXPECT_TRUE(check.marks_valid) << digit;
    ASSERT_TRUE(check.method.has_value()) << digit;
    EXPECT_EQ(*check.method, method) << digit;
  }
}

TEST(PackageTrailer, MethodByteOutsideDigitsStillPasses) {
  for (char digit : {'3', '9', 'A', '\0', '\xFF'}) {
    TMemoryStream s(SetupFile(Trailer("5X9Y", digit)));
    const auto check = CheckTrailer(s);
    EXPECT_TRUE(check.marks_valid) << int(digit);
    EXPECT_FALSE(check.method.has_value()) << int(digit);
  }
}

TEST(PackageTrailer, MarksShiftedByOneAreRejected) {
  // Every byte of the trailer moved one position towards the end of the file.
  const std::string t = Trailer("5X9Y", '0');
  TMemoryStream later(SetupFile("0" + t.substr(0, 399)));
  EXPECT_FALSE(CheckTrailer(later).marks_valid);
  // And one position towards the start.
  TMemoryStream earlier(SetupFile(t.substr(1) + "0"));
  EXPECT_FALSE(CheckTrailer(earlier).marks_valid);
}

TEST(PackageTrailer, EachMissingMarkRejects) {
  for (size_t pos : {349u, 359u, 369u}) {
    std::string t = Trailer("5X9Y", '0');
    t[pos] = pos == 359 ? '1' : '0';
    TMemoryStream s(SetupFile(t));
    EXPECT_FALSE(CheckTrailer(s).marks_valid) << pos;
  }
}

TEST(PackageTrailer, NoTrailerAtAll) {
  TMemoryStream s(std::string(5000, 'z'));
  const auto check = CheckTrailer(s);
  EXPECT_FALSE(check.marks_valid);
  EXPECT_FALSE(check.method.has_value());
}

TEST(PackageTrailer, FilesTooShortForTheMarks) {
  TMemoryStream empty;
  EXPECT_FALSE(CheckTrailer(empty).marks_valid);
  TMemoryStream tiny(std::string("LD0"));
  EXPECT_FALSE(CheckTrailer(tiny).marks_valid);
  // Exactly 101 bytes: the method byte is the first one, the marks at 50/60/70.
  std::string small(101, '0');
  small[0] = '1';
  small[50] = 'L';
  small[70] = 'D';
  TMemoryStream s(small);
  const auto check = CheckTrailer(s);
  EXPECT_TRUE(check.marks_valid);
  EXPECT_EQ(check.method, PayloadMethod::Lzrw1Blocks);
}

TEST(PackageRanges, ReadsXAndY) {
  const std::string file = SetupFile(Trailer("240129X797499Y", '2', 798496));
  TMemoryStream s(file);
  const auto r = ReadPackageRange(s);
  EXPECT_EQ(r.S, static_cast<int64_t>(file.size()));
  EXPECT_EQ(r.X, 240129);
  EXPECT_EQ(r.Y, 797499);
}

TEST(PackageRanges, NonDigitsAreSkippedAndTheYScanStartsByDigitCount) {
  // "1 2X" has two digits: the Y scan starts at index 3 ("X"), skips it and
  // the blank, and reads "34" up to "Y".
  const std::string file = SetupFile(Trailer("1 2X 34Y", '0'));
  TMemoryStream s(file);
  const auto r = ReadPackageRange(s);
  EXPECT_EQ(r.X, 12);
  EXPECT_EQ(r.Y, 34);
}

TEST(PackageRanges, LeadingZerosAreFine) {
  TMemoryStream s(SetupFile(Trailer("007X0010Y", '0')));
  const auto r = ReadPackageRange(s);
  EXPECT_EQ(r.X, 7);
  EXPECT_EQ(r.Y, 10);
}

TEST(PackageRanges, NoTerminatingXWithinTwoHundredBytes) {
  // The only "X" of the trailer is the own-offset field's at index 200 and
  // beyond: the first 200 bytes hold none.
  std::string t = Trailer("", '0', 5);
  ASSERT_EQ(t.find('X'), 201u);
  TMemoryStream s(SetupFile(t));
  EXPECT_THROW(ReadPackageRange(s), setup::EPackageError);
}

TEST(PackageRanges, NoTerminatingY) {
  TMemoryStream s(SetupFile(Trailer("12X34", '0')));
  EXPECT_THROW(ReadPackageRange(s), setup::EPackageError);
}

TEST(PackageRanges, FieldWithoutDigits) {
  TMemoryStream nox(SetupFile(Trailer("X34Y", '0')));
  EXPECT_THROW(ReadPackageRange(nox), setup::EPackageError);
  TMemoryStream noy(SetupFile(Trailer("12XY", '0')));
  EXPECT_THROW(ReadPackageRange(noy), setup::EPackageError);
}

TEST(PackageRanges, NumberBeyond32Bits) {
  TMemoryStream s(SetupFile(Trailer("99999999999X1Y", '0')));
  EXPECT_THROW(ReadPackageRange(s), setup::EPackageError);
  TMemoryStream max(SetupFile(Trailer("2147483647X2147483647Y", '0')));
  EXPECT_EQ(ReadPackageRange(max).Y, 2147483647);
}

TEST(PackageRanges, FileShorterThanTrailer) {
  TMemoryStream s(std::string("1X2Y"));
  EXPECT_THROW(ReadPackageRange(s), setup::EPackageError);
}

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/pkg_trailer_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = std::string(tmpl) + "/";
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string dir_;
};

using PackageTrailerFiles = TempFolder;

TEST_F(PackageTrailerFiles, ChecksAndReadsAFileOnDisk) {
  const std::string path = dir_ + "setup";
  platform::WriteFileBytes(path, SetupFile(Trailer("1001X2002Y", '1')));
  const auto check = CheckTrailer(path);
  EXPECT_TRUE(check.marks_valid);
  EXPECT_EQ(check.method, PayloadMethod::Lzrw1Blocks);
  const auto r = ReadPackageRange(path);
  EXPECT_EQ(r.X, 1001);
  EXPECT_EQ(r.Y, 2002);
  EXPECT_EQ(r.S, 1400);
}

TEST_F(PackageTrailerFiles, MissingFileIsAnInOutError) {
  EXPECT_THROW(CheckTrailer(dir_ + "nothing"), platform::EInOutError);
  EXPECT_THROW(ReadPackageRange(dir_ + "nothing"), platform::EInOutError);
}

TEST_F(PackageTrailerFiles, PackageFormBySideInstallDat) {
  using setup::PackageFormCheck;
  EXPECT_EQ(setup::CheckPackageForm(dir_), PackageFormCheck::Embedded);
  platform::WriteFileBytes(dir_ + "install.dat", "");
  EXPECT_EQ(setup::CheckPackageForm(dir_), PackageFormCheck::TooShort);
  platform::WriteFileBytes(dir_ + "install.dat", std::string(399, ';'));
  EXPECT_EQ(setup::CheckPackageForm(dir_), PackageFormCheck::TooShort);
  platform::WriteFileBytes(dir_ + "install.dat", std::string(400, ';'));
  EXPECT_EQ(setup::CheckPackageForm(dir_), PackageFormCheck::SideFiles);
  // The folder may be given without its '/'.
  EXPECT_EQ(setup::CheckPackageForm(dir_.substr(0, dir_.size() - 1)),
            PackageFormCheck::SideFiles);
}

TEST_F(PackageTrailerFiles, SideFormNeedsNoTrailer) {
  // A setup program without any trailer next to a good install.dat: the side
  // form is chosen and the trailer never consulted.
  platform::WriteFileBytes(dir_ + "setup", std::string(10, 'x'));
  platform::WriteFileBytes(dir_ + "install.dat", "[InstalSub]\r\n" + std::string(400, ';'));
  EXPECT_EQ(setup::CheckPackageForm(dir_), setup::PackageFormCheck::SideFiles);
}

TEST(PackageTrailer, SetupProgramPathIsThisProgram) {
  const std::string path = setup::SetupProgramPath();
  EXPECT_FALSE(path.empty());
  EXPECT_TRUE(platform::FileExists(path));
}

}  // namespace
