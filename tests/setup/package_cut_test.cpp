// Cutting entries and the licence text out of the payload.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/stream.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PayloadCut.h"

namespace {

using platform::TMemoryStream;
using setup::ZaznamProg;

ZaznamProg Entry(int32_t zac, int32_t kon) {
  ZaznamProg e;
  e.AdrZac = zac;
  e.AdrKon = kon;
  return e;
}

std::string Cut(const std::string& payload, int32_t zac, int32_t kon) {
  TMemoryStream p(payload);
  TMemoryStream out;
  setup::CutEntry(p, Entry(zac, kon), out);
  return out.Bytes();
}

TEST(PayloadCut, InclusiveOneBasedRanges) {
  const std::string payload = "LICENCEabcdefXYZ";
  EXPECT_EQ(Cut(payload, 8, 13), "abcdef");
  EXPECT_EQ(Cut(payload, 14, 16), "XYZ");
  EXPECT_EQ(Cut(payload, 1, 16), payload);
}

TEST(PayloadCut, OneByteEntry) {
  EXPECT_EQ(Cut("abc", 2, 2), "b");
  EXPECT_EQ(Cut("abc", 3, 3), "c");
}

TEST(PayloadCut, EmptyEntryIsAllowed) {
  EXPECT_EQ(Cut("abc", 2, 1), "");
  EXPECT_EQ(Cut("abc", 4, 3), "");  // empty, just past the end
}

TEST(PayloadCut, BadRangesAreRefusedWithoutWriting) {
  const std::string payload = "0123456789";
  for (auto [zac, kon] : {std::pair{0, 3}, std::pair{-5, 3}, std::pair{5, 3},
                          std::pair{5, 11}, std::pair{11, 11}, std::pair{1, 2147483647},
                          std::pair{-2147483647 - 1, -2147483647 - 1},
                          std::pair{2147483647, 2147483647}}) {
    TMemoryStream p(payload);
    TMemoryStream out;
    EXPECT_THROW(setup::CutEntry(p, Entry(zac, kon), out), setup::EPackageError)
        << zac << ".." << kon;
    EXPECT_TRUE(out.Bytes().empty());
  }
}

TEST(PayloadCut, LargeEntryCrossesBlocks) {
  std::string payload(100000, '\0');
  for (size_t i = 0; i < payload.size(); ++i) payload[i] = static_cast<char>(i * 7 + i / 251);
  EXPECT_EQ(Cut(payload, 3, 98765), payload.substr(2, 98763));
  EXPECT_EQ(Cut(payload, 1, 32720), payload.substr(0, 32720));
  EXPECT_EQ(Cut(payload, 1, 32721), payload.substr(0, 32721));
}

TEST(PayloadCut, LicenceIsEverythingBeforeEntryZero) {
  TMemoryStream p(std::string("Licence text\r\nline 2\r\nENTRY"));
  EXPECT_EQ(setup::ReadLicenceText(p, 23), "Licence text\r\nline 2\r\n");
  TMemoryStream q(std::string("ENTRY"));
  EXPECT_EQ(setup::ReadLicenceText(q, 1), "");
  TMemoryStream r(std::string("abc"));
  EXPECT_THROW(setup::ReadLicenceText(r, 0), setup::EPackageError);
  EXPECT_THROW(setup::ReadLicenceText(r, 5), setup::EPackageError);
  EXPECT_THROW(setup::ReadLicenceText(r, -2147483647 - 1), setup::EPackageError);
  EXPECT_EQ(setup::ReadLicenceText(r, 4), "abc");
}

class PayloadCutFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/pkg_cut_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = std::string(tmpl) + "/";
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }
  std::string dir_;
};

TEST_F(PayloadCutFiles, CutsIntoFiles) {
  platform::WriteFileBytes(dir_ + "data.cab.dat", "LIChello world");
  setup::CutEntryToFile(dir_ + "data.cab.dat", Entry(4, 8), dir_ + "hello.txt");
  EXPECT_EQ(platform::ReadFileBytes(dir_ + "hello.txt"), "hello");
  // The output is created anew.
  setup::CutEntryToFile(dir_ + "data.cab.dat", Entry(10, 14), dir_ + "hello.txt");
  EXPECT_EQ(platform::ReadFileBytes(dir_ + "hello.txt"), "world");
  setup::ExtractLicenceToFile(dir_ + "data.cab.dat", 4, dir_ + "Licencia.txt");
  EXPECT_EQ(platform::ReadFileBytes(dir_ + "Licencia.txt"), "LIC");
  EXPECT_EQ(setup::ReadLicenceText(dir_ + "data.cab.dat", 4), "LIC");
}

TEST_F(PayloadCutFiles, RefusedRangeCreatesNoFile) {
  platform::WriteFileBytes(dir_ + "data.cab.dat", "abc");
  EXPECT_THROW(setup::CutEntryToFile(dir_ + "data.cab.dat", Entry(2, 9), dir_ + "out"),
               setup::EPackageError);
  EXPECT_FALSE(platform::FileExists(dir_ + "out"));
  EXPECT_THROW(setup::ExtractLicenceToFile(dir_ + "data.cab.dat", 9, dir_ + "Licencia.txt"),
               setup::EPackageError);
  EXPECT_FALSE(platform::FileExists(dir_ + "Licencia.txt"));
}

TEST_F(PayloadCutFiles, MissingPayloadIsAnInOutError) {
  EXPECT_THROW(setup::CutEntryToFile(dir_ + "none", Entry(1, 1), dir_ + "out"),
               platform::EInOutError);
}

}  // namespace
