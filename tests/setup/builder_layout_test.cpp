// The package builder's output: trailer, layout, configuration text.
#include <gtest/gtest.h>

#include <string>

#include "packbuilder/PackageBuilder.h"
#include "platform/stream.h"
#include "setup/package/PackageConfig.h"
#include "setup/package/PackageRanges.h"
#include "setup/package/PackageTrailer.h"
#include "setup/package/TBigIniFile.h"

namespace {

using packbuilder::BuildEmbedded;
using packbuilder::BuildSideFiles;
using packbuilder::PackageInput;
using setup::PayloadMethod;

PackageInput SmallInput() {
  PackageInput in;
  in.image = "IMAGE-BYTES";
  in.licence = "Licence\r\n";
  in.programFiles = {{"manual\\manual.html", "<html></html>"}, {"tivra.exe", "MZ..."}};
  in.windowsFiles = {{"win.ini", "[w]"}};
  in.systemFiles = {{"sys.dll", "D"}};
  in.settings.MenoTitul = "TIVRA 1.0";
  in.settings.DefDir = "TIVRA 1.0\\";
  return in;
}

TEST(BuilderTrailer, ShippedExample) {
  const std::string t = packbuilder::BuildTrailer(240129, 797499, 798896, '2');
  std::string expected(400, '0');
  expected.replace(0, 14, "240129X797499Y");
  expected.replace(200, 7, "798496X");
  expected[299] = '2';
  expected[349] = 'L';
  expected[369] = 'D';
  EXPECT_EQ(t, expected);
}

TEST(BuilderLayout, EmbeddedLayoutMatchesPart41) {
  const PackageInput in = SmallInput();
  const auto p = BuildEmbedded(in);
  const std::string& f = p.setupFile;
  EXPECT_EQ(p.X, static_cast<int32_t>(in.image.size() + 1));
  EXPECT_EQ(p.Y, p.X + static_cast<int32_t>(p.container.size()));
  EXPECT_EQ(f.substr(0, in.image.size()), in.image);
  EXPECT_EQ(static_cast<unsigned char>(f[p.X - 1]), 0xB6);
  EXPECT_EQ(f.substr(p.X, p.Y - p.X), p.container);
  EXPECT_EQ(f[p.Y], '\0');
  EXPECT_EQ(f.substr(p.Y + 1, p.config.size()), p.config);
  EXPECT_EQ(f.size(), p.Y + 1 + p.config.size() + 400);
  EXPECT_EQ(f.substr(f.size() - 400), p.trailer);
  // The trailer's own offset field.
  const std::string own = std::to_string(f.size() - 400) + "X";
  EXPECT_EQ(p.trailer.substr(200, own.size()), own);
  // Stored: the container is the payload.
  EXPECT_EQ(p.container, p.payload);
  EXPECT_EQ(p.payload, "Licence\r\n<html></html>MZ...[w]D");
}

TEST(BuilderLayout, ReadersAcceptTheTrailer) {
  for (auto method : {PayloadMethod::Stored, PayloadMethod::PowerArc}) {
    PackageInput in = SmallInput();
    in.method = method;
    const auto p = BuildEmbedded(in);
    platform::TMemoryStream s(p.setupFile);
    const auto check = setup::CheckTrailer(s);
    EXPECT_TRUE(check.marks_valid);
    EXPECT_EQ(check.method, method);
    const auto r = setup::ReadPackageRange(s);
    EXPECT_EQ(r.X, p.X);
    EXPECT_EQ(r.Y, p.Y);
    EXPECT_EQ(r.S, static_cast<int64_t>(p.setupFile.size()));
  }
}

TEST(BuilderLayout, FillersCanBeChosen) {
  PackageInput in = SmallInput();
  in.imageFiller = 0x11;
  in.containerFiller = 0x22;
  const auto p = BuildEmbedded(in);
  EXPECT_EQ(p.setupFile[p.X - 1], '\x11');
  EXPECT_EQ(p.setupFile[p.Y], '\x22');
}

TEST(BuilderLayout, EntriesBackToBackAfterTheLicence) {
  const auto p = BuildEmbedded(SmallInput());
  ASSERT_EQ(p.entries.size(), 4u);
  EXPECT_EQ(p.entries[0].AdrZac, 10);  // licence is 9 bytes
  EXPECT_EQ(p.entries[0].AdrKon, 22);
  EXPECT_EQ(p.entries[1].AdrZac, 23);
  EXPECT_EQ(p.entries[1].AdrKon, 27);
  EXPECT_EQ(p.entries[2].payloadPath, "win.ini");
  EXPECT_EQ(p.entries[3].AdrZac, p.entries[3].AdrKon);  // one byte
  EXPECT_EQ(p.entries[3].AdrKon, static_cast<int32_t>(p.payload.size()));
}

TEST(BuilderConfig, TextFormAndValues) {
  PackageInput in = SmallInput();
  in.method = PayloadMethod::PowerArc;
  in.settings.NText = "Generátor";  // given as Windows-1250 bytes in real use
  in.settings.Lic = "licencia";
  in.settings.Task4 = "1";
  in.settings.Task10 = "1";
  in.settings.Task18 = "2";
  in.settings.SK = true;
  in.settings.CZ = false;
  in.settings.EN = true;
  in.settings.PF = {{1, "Tivra 1.0"}, {0, "Manual"}};
  in.settings.PL = {{1, "Tivra"}};
  in.settings.TMP = {"lang.ini"};
  const auto p = BuildEmbedded(in);
  const std::string& c = p.config;
  EXPECT_EQ(c.rfind("[InstalSub]\r\n", 0), 0u);
  // Every line ends with CR LF; no lone LF.
  for (size_t i = 0; i < c.size(); ++i) {
    if (c[i] == '\n') {
      EXPECT_EQ(c[i - 1], '\r') << i;
    }
  }
  EXPECT_EQ(c.substr(c.size() - 2), "\r\n");

  const auto cfg = setup::ReadPackageConfig(setup::TBigIniFile::FromBytes(c));
  EXPECT_EQ(cfg.Meno, "data.cab");
  EXPECT_EQ(cfg.MenoTitul, "TIVRA 1.0");
  EXPECT_EQ(cfg.NText, "Generátor");
  EXPECT_EQ(cfg.DefDir, "TIVRA 1.0\\");
  EXPECT_EQ(cfg.Pocet, 2);
  EXPECT_EQ(cfg.WRP, 1);
  EXPECT_EQ(cfg.WSP, 1);
  EXPECT_EQ(cfg.payloadMethod, PayloadMethod::PowerArc);
  EXPECT_EQ(cfg.Task4, "1");
  EXPECT_EQ(cfg.Task10, "1");
  EXPECT_EQ(cfg.Task18, "2");
  EXPECT_TRUE(cfg.licenceWanted);
  ASSERT_EQ(cfg.ProgramFiles.size(), 2u);
  EXPECT_EQ(cfg.ProgramFiles[0].entry, 1);
  EXPECT_EQ(cfg.ProgramFiles[1].name, "Manual");
  ASSERT_EQ(cfg.PlochaFiles.size(), 1u);
  ASSERT_EQ(cfg.TempFiles.size(), 1u);
  EXPECT_EQ(cfg.TempFiles[0].name, "lang.ini");
  ASSERT_EQ(cfg.entries.size(), 4u);
  EXPECT_EQ(cfg.entries[0].folder, "manual\\");
  EXPECT_EQ(cfg.entries[0].fileName, "manual.html");
  EXPECT_EQ(cfg.PayloadSize, static_cast<int32_t>(p.payload.size()));
  const auto lg = setup::ReadLanguageOffer(setup::TBigIniFile::FromBytes(c));
  EXPECT_TRUE(lg.SK);
  EXPECT_FALSE(lg.CZ);
  EXPECT_TRUE(lg.EN);
}

TEST(BuilderConfig, ExtraKeysGoIntoTheirSections) {
  PackageInput in = SmallInput();
  in.settings.extra = {{"InstalSub", "Task17", "x"}, {"NastProjekt", "Cesta", "C:\\p"}};
  const auto p = BuildEmbedded(in);
  const auto ini = setup::TBigIniFile::FromBytes(p.config);
  EXPECT_EQ(ini.ReadString("InstalSub", "Task17", ""), "x");
  EXPECT_EQ(ini.ReadString("NastProjekt", "Cesta", ""), "C:\\p");
  EXPECT_EQ(p.config.rfind("[InstalSub]\r\n", 0), 0u);
}

TEST(BuilderConfig, SideConfigIsPaddedTo400Bytes) {
  PackageInput in;
  in.programFiles = {{"a", "b"}};
  const auto p = BuildSideFiles(in);
  EXPECT_GE(p.config.size(), 400u);
  EXPECT_LE(p.config.size(), 402u);
  EXPECT_TRUE(p.setupFile.empty());
  // The padding reads as nothing.
  const auto cfg = setup::ReadPackageConfig(setup::TBigIniFile::FromBytes(p.config));
  ASSERT_EQ(cfg.entries.size(), 1u);
  in.padSideConfig = false;
  EXPECT_LT(BuildSideFiles(in).config.size(), 400u);
}

TEST(BuilderContainer, PowerArcStartsWithTheModuleId) {
  std::vector<int32_t> sizes;
  const std::string c = packbuilder::BuildContainer("hello hello hello", PayloadMethod::PowerArc,
                                                    sizes);
  EXPECT_EQ(c.substr(0, 8), "BZIP0001");
  EXPECT_EQ(c.substr(8, 4), "BZh9");
  EXPECT_TRUE(sizes.empty());
}

}  // namespace
