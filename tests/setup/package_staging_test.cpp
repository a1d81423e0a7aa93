// Configuration staging and container staging.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/stream.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PackageRanges.h"
#include "setup/package/PackageStaging.h"

namespace {

using platform::TMemoryStream;
using setup::BlockProgress;
using setup::kCopyBlockSize;
using setup::PackageRange;

// Bytes that differ from block to block so that misplaced blocks show.
std::string Pattern(size_t n, unsigned seed) {
  std::string s(n, '\0');
  uint32_t x = seed * 2654435761u + 1;
  for (auto& c : s) {
    x = x * 1103515245u + 12345u;
    c = static_cast<char>(x >> 24);
  }
  return s;
}

// A setup file: image, filler 0xB6, container, filler 0x00, configuration,
// trailer. X and Y come back.
struct Layout {
  std::string file;
  int32_t X = 0;
  int32_t Y = 0;
};

Layout MakeSetup(const std::string& image, const std::string& container,
                 const std::string& config) {
  Layout l;
  l.X = static_cast<int32_t>(image.size() + 1);
  l.Y = l.X + static_cast<int32_t>(container.size());
  std::string trailer(400, '0');
  const std::string head = std::to_string(l.X) + "X" + std::to_string(l.Y) + "Y";
  trailer.replace(0, head.size(), head);
  trailer[299] = '0';
  trailer[349] = 'L';
  trailer[369] = 'D';
  l.file = image + '\xB6' + container + '\0' + config + trailer;
  return l;
}

TEST(BlockProgress, NearestWholeNumberHalvesToEven) {
  EXPECT_EQ(BlockProgress(1, 1), 100);
  EXPECT_EQ(BlockProgress(1, 2), 50);
  EXPECT_EQ(BlockProgress(1, 3), 33);   // 33.33
  EXPECT_EQ(BlockProgress(2, 3), 67);   // 66.67
  EXPECT_EQ(BlockProgress(1, 8), 12);   // 12.5 -> 12
  EXPECT_EQ(BlockProgress(3, 8), 38);   // 37.5 -> 38
  EXPECT_EQ(BlockProgress(5, 8), 62);   // 62.5 -> 62
  EXPECT_EQ(BlockProgress(7, 8), 88);   // 87.5 -> 88
  EXPECT_EQ(BlockProgress(1, 200), 0);  // 0.5 -> 0
  EXPECT_EQ(BlockProgress(3, 200), 2);  // 1.5 -> 2
  EXPECT_EQ(BlockProgress(0, 5), 0);
  EXPECT_EQ(BlockProgress(1, 0), 0);
  // Large counts stay exact.
  EXPECT_EQ(BlockProgress(3000000000LL, 6000000000LL), 50);
}

PackageRange RangeOf(const Layout& l) {
  TMemoryStream s(l.file);
  return setup::ReadPackageRange(s);
}

std::string StageConfig(const Layout& l) {
  TMemoryStream setup_file(l.file);
  TMemoryStream target;
  setup::StageConfiguration(setup_file, RangeOf(l), target);
  return target.Bytes();
}

TEST(ConfigurationStaging, CopiesExactlyTheConfiguration) {
  const std::string config = "[InstalSub]\r\nMeno=data.cab\r\n";
  const Layout l = MakeSetup("IMAGE", "CONTAINER", config);
  EXPECT_EQ(StageConfig(l), config);
}

TEST(ConfigurationStaging, OneFullBlock) {
  const std::string config = "[" + Pattern(kCopyBlockSize - 1, 1);
  const Layout l = MakeSetup("img", "c", config);
  const std::string staged = StageConfig(l);
  EXPECT_EQ(staged.size(), 32720u);
  EXPECT_EQ(staged, config);
}

TEST(ConfigurationStaging, OneFullBlockAndOneByte) {
  const std::string config = "[" + Pattern(kCopyBlockSize, 2);
  const Layout l = MakeSetup("img", "c", config);
  const std::string staged = StageConfig(l);
  EXPECT_EQ(staged.size(), 32721u);
  EXPECT_EQ(staged, config);
}

TEST(ConfigurationStaging, EmptyConfiguration) {
  const Layout l = MakeSetup("img", "c", "");
  EXPECT_EQ(StageConfig(l), "");
}

TEST(ConfigurationStaging, RangeThatDoesNotFitIsRefused) {
  const Layout l = MakeSetup("img", "c", "[x]");
  PackageRange r = RangeOf(l);
  r.Y = static_cast<int32_t>(r.S);  // the configuration would be negative
  TMemoryStream setup_file(l.file);
  TMemoryStream target;
  EXPECT_THROW(setup::StageConfiguration(setup_file, r, target), setup::EPackageError);
  EXPECT_TRUE(target.Bytes().empty());
}

struct Staged {
  std::string bytes;
  std::vector<int> progress;
};

Staged StageContainer(const Layout& l) {
  TMemoryStream setup_file(l.file);
  TMemoryStream target;
  Staged out;
  setup::StageContainer(setup_file, l.X, l.Y, target,
                        [&](int p) { out.progress.push_back(p); });
  out.bytes = target.Bytes();
  return out;
}

TEST(ContainerStaging, ExactMultipleOfTheBlockIsFullBlocksOnly) {
  const std::string container = Pattern(3 * kCopyBlockSize, 3);
  const Layout l = MakeSetup("image", container, "[InstalSub]\r\n");
  const Staged s = StageContainer(l);
  EXPECT_EQ(s.bytes, container);
  EXPECT_EQ(s.progress, (std::vector<int>{33, 67, 100}));
}

TEST(ContainerStaging, LastShortBlockAndProgress) {
  // 7 full blocks and one of 5 bytes: progress after each of the 8 blocks.
  const std::string container = Pattern(7 * kCopyBlockSize + 5, 4);
  const Layout l = MakeSetup("image", container, "[InstalSub]\r\n");
  const Staged s = StageContainer(l);
  EXPECT_EQ(s.bytes, container);
  EXPECT_EQ(s.progress, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100}));
}

TEST(ContainerStaging, SmallContainerOneBlock) {
  const Layout l = MakeSetup("image", "abc", "[InstalSub]\r\n");
  const Staged s = StageContainer(l);
  EXPECT_EQ(s.bytes, "abc");
  EXPECT_EQ(s.progress, std::vector<int>{100});
}

TEST(ContainerStaging, EmptyContainerCopiesAndReportsNothing) {
  const Layout l = MakeSetup("image", "", "[InstalSub]\r\n");
  const Staged s = StageContainer(l);
  EXPECT_EQ(s.bytes, "");
  EXPECT_TRUE(s.progress.empty());
}

TEST(ContainerStaging, FillerBytesNeverStaged) {
  const std::string container = "\x42" + std::string(100, 'c') + "\x43";
  const std::string config = "[InstalSub]\r\nMeno=data.cab\r\n";
  const Layout l = MakeSetup("IMAGE", container, config);
  ASSERT_EQ(static_cast<unsigned char>(l.file[l.X - 1]), 0xB6);
  ASSERT_EQ(l.file[l.Y], '\0');
  const Staged s = StageContainer(l);
  EXPECT_EQ(s.bytes.front(), '\x42');
  EXPECT_EQ(s.bytes.back(), '\x43');
  EXPECT_EQ(s.bytes.find('\xB6'), std::string::npos);
  const std::string staged_config = StageConfig(l);
  EXPECT_EQ(staged_config.front(), '[');
  EXPECT_EQ(staged_config, config);
}

TEST(ContainerStaging, RangesThatDoNotFitAreRefused) {
  const Layout l = MakeSetup("image", "container", "[x]");
  for (auto [x, y] : {std::pair{l.Y, l.X}, std::pair{-1, l.Y},
                      std::pair{l.X, static_cast<int32_t>(l.file.size() + 1)}}) {
    TMemoryStream setup_file(l.file);
    TMemoryStream target;
    EXPECT_THROW(setup::StageContainer(setup_file, x, y, target), setup::EPackageError)
        << x << " " << y;
    EXPECT_TRUE(target.Bytes().empty());
  }
}

class StagingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/pkg_staging_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = std::string(tmpl) + "/";
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string dir_;
};

TEST_F(StagingFiles, StagesIntoFilesThatExist) {
  const std::string container = Pattern(2 * kCopyBlockSize + 17, 6);
  const std::string config = "[InstalSub]\r\nMeno=data.cab\r\n";
  const Layout l = MakeSetup(Pattern(5000, 7), container, config);
  const std::string setup_path = dir_ + "setup";
  platform::WriteFileBytes(setup_path, l.file);
  // Start-up creates both targets empty.
  platform::WriteFileBytes(dir_ + setup::kStagedConfigName, "");
  platform::WriteFileBytes(dir_ + setup::kStagedContainerName, "");

  const auto range = setup::ReadPackageRange(setup_path);
  setup::StageConfiguration(setup_path, range, dir_ + setup::kStagedConfigName);
  std::vector<int> progress;
  setup::StageContainer(setup_path, range.X, range.Y, dir_ + setup::kStagedContainerName,
                        [&](int p) { progress.push_back(p); });
  EXPECT_EQ(platform::ReadFileBytes(dir_ + "install.dat"), config);
  EXPECT_EQ(platform::ReadFileBytes(dir_ + "data.cab.datt"), container);
  EXPECT_EQ(progress, (std::vector<int>{33, 67, 100}));
}

TEST_F(StagingFiles, MissingTargetIsAFailureAndIsNotCreated) {
  const Layout l = MakeSetup("img", "container", "[InstalSub]\r\n");
  const std::string setup_path = dir_ + "setup";
  platform::WriteFileBytes(setup_path, l.file);
  const auto range = setup::ReadPackageRange(setup_path);
  EXPECT_THROW(setup::StageConfiguration(setup_path, range, dir_ + "install.dat"),
               platform::EInOutError);
  EXPECT_THROW(setup::StageContainer(setup_path, range.X, range.Y, dir_ + "data.cab.datt"),
               platform::EInOutError);
  EXPECT_FALSE(platform::FileExists(dir_ + "install.dat"));
  EXPECT_FALSE(platform::FileExists(dir_ + "data.cab.datt"));
}

TEST_F(StagingFiles, RangeLargerThanTheFileIsRefused) {
  // A range whose S exceeds the file (taken from another file): refused before
  // anything is copied. A range read from the file itself always fits.
  const Layout l = MakeSetup("img", "container", "[InstalSub]\r\n");
  TMemoryStream setup_file(l.file);
  TMemoryStream target;
  PackageRange r = RangeOf(l);
  r.S += 10;
  EXPECT_THROW(setup::StageConfiguration(setup_file, r, target), setup::EPackageError);
}

}  // namespace
