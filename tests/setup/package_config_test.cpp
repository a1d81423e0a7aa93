// Configuration reading, the language step's reading, entry groups.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/cp1250.h"
#include "platform/errors.h"
#include "setup/package/PackageConfig.h"
#include "setup/package/TBigIniFile.h"

namespace {

using setup::EntryDestination;
using setup::PackageConfig;
using setup::PayloadMethod;
using setup::TBigIniFile;

// An INI text from lines joined with CR LF.
std::string Ini(std::initializer_list<const char*> lines) {
  std::string s;
  for (const char* l : lines) s += std::string(l) + "\r\n";
  return s;
}

PackageConfig Read(const std::string& text) {
  return setup::ReadPackageConfig(TBigIniFile::FromBytes(text));
}

TEST(PackageConfig, EmptyConfigurationGivesTheDefaults) {
  const PackageConfig c = Read("");
  EXPECT_EQ(c.Meno, "");
  EXPECT_EQ(c.MenoTitul, "");
  EXPECT_EQ(c.NText, "");
  EXPECT_EQ(c.DefDir, "");
  EXPECT_EQ(c.Pocet, 0);
  EXPECT_EQ(c.WRP, 0);
  EXPECT_EQ(c.WSP, 0);
  EXPECT_EQ(c.TMP, 0);
  EXPECT_EQ(c.Task4, "");
  EXPECT_EQ(c.Task8, "");
  EXPECT_EQ(c.Task10, "");
  EXPECT_EQ(c.Task17, "");
  EXPECT_EQ(c.Task18, "");
  EXPECT_EQ(c.payloadMethod, PayloadMethod::Stored);
  EXPECT_FALSE(c.compressed);
  EXPECT_TRUE(c.ProgramFiles.empty());
  EXPECT_TRUE(c.PlochaFiles.empty());
  EXPECT_TRUE(c.TempFiles.empty());
  EXPECT_EQ(c.Lic, "");
  EXPECT_FALSE(c.licenceWanted);
  EXPECT_TRUE(c.entries.empty());
  EXPECT_EQ(c.PayloadSize, 0);
}

TEST(PackageConfig, Task8GivesTheMethod) {
  const std::pair<const char*, PayloadMethod> cases[] = {
      {"Task8=1", PayloadMethod::Lzrw1Blocks}, {"Task8=2", PayloadMethod::PowerArc},
      {"Task8=0", PayloadMethod::Stored},      {"Task8=3", PayloadMethod::Stored},
      {"Task8=", PayloadMethod::Stored},       {"Task8=12", PayloadMethod::Stored},
      {"Task9=1", PayloadMethod::Stored}};
  for (const auto& [line, method] : cases) {
    const PackageConfig c = Read(Ini({"[InstalSub]", line}));
    EXPECT_EQ(c.payloadMethod, method) << line;
    EXPECT_EQ(c.compressed, method != PayloadMethod::Stored) << line;
  }
}

TEST(PackageConfig, ShortcutSlotWithAbsentKeyStaysEmpty) {
  const PackageConfig c =
      Read(Ini({"[InstalSub]", "PF=2", "PF0=5", "PFM0=Tivra 1.0", "PFM1=Bez čísla"}));
  ASSERT_EQ(c.ProgramFiles.size(), 2u);
  EXPECT_EQ(c.ProgramFiles[0].entry, 5);
  EXPECT_EQ(c.ProgramFiles[0].name, "Tivra 1.0");
  EXPECT_EQ(c.ProgramFiles[1].entry, 0);
  EXPECT_EQ(c.ProgramFiles[1].name, "");
}

TEST(PackageConfig, DesktopShortcuts) {
  const PackageConfig c =
      Read(Ini({"[InstalSub]", "PL=3", "PL0=1", "PLM0=A", "PL2=4", "PLM2=C", "PLM1=B"}));
  ASSERT_EQ(c.PlochaFiles.size(), 3u);
  EXPECT_EQ(c.PlochaFiles[0].entry, 1);
  EXPECT_EQ(c.PlochaFiles[0].name, "A");
  EXPECT_EQ(c.PlochaFiles[1].entry, 0);  // PL1 absent
  EXPECT_EQ(c.PlochaFiles[1].name, "");
  EXPECT_EQ(c.PlochaFiles[2].entry, 4);
  EXPECT_EQ(c.PlochaFiles[2].name, "C");
}

TEST(PackageConfig, ShortcutEntryOfLettersFails) {
  EXPECT_THROW(Read(Ini({"[InstalSub]", "PF=1", "PF0=abc", "PFM0=X"})),
               platform::EConvertError);
}

TEST(PackageConfig, NonPositiveShortcutCountsGiveNoSlots) {
  const PackageConfig c = Read(Ini({"[InstalSub]", "PF=0", "PL=-3", "TMP=-1"}));
  EXPECT_TRUE(c.ProgramFiles.empty());
  EXPECT_TRUE(c.PlochaFiles.empty());
  EXPECT_TRUE(c.TempFiles.empty());
}

TEST(PackageConfig, LicenceComparisonIsExact) {
  EXPECT_TRUE(Read(Ini({"[InstalSub]", "Lic=licencia"})).licenceWanted);
  EXPECT_FALSE(Read(Ini({"[InstalSub]", "Lic=Licencia"})).licenceWanted);
  EXPECT_FALSE(Read(Ini({"[InstalSub]", "Lic=LICENCIA"})).licenceWanted);
  EXPECT_FALSE(Read(Ini({"[InstalSub]", "Lic=licencia2"})).licenceWanted);
  EXPECT_FALSE(Read(Ini({"[InstalSub]", "Lic=0"})).licenceWanted);
  EXPECT_EQ(Read(Ini({"[InstalSub]", "Lic=Licencia"})).Lic, "Licencia");
}

TEST(PackageConfig, GroupsPocetWrpWsp) {
  const PackageConfig c = Read(Ini({
      "[InstalSub]", "Pocet=3", "WRP=1", "WSP=2", "[SuboryProjekt]",
      "0=a.txt", "AdrZac0=1", "AdrKon0=10",
      "1=b\\b.txt", "AdrZac1=11", "AdrKon1=20",
      "2=c.txt", "AdrZac2=21", "AdrKon2=30",
      "3=win.ini", "AdrZac3=31", "AdrKon3=40",
      "4=sys1.dll", "AdrZac4=41", "AdrKon4=50",
      "5=sys2.dll", "AdrZac5=51", "AdrKon5=60",
  }));
  ASSERT_EQ(c.entries.size(), 6u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(c.entries[i].index, i);
  EXPECT_EQ(c.DestinationOf(0), EntryDestination::TargetFolder);
  EXPECT_EQ(c.DestinationOf(1), EntryDestination::TargetFolder);
  EXPECT_EQ(c.DestinationOf(2), EntryDestination::TargetFolder);
  EXPECT_EQ(c.DestinationOf(3), EntryDestination::WindowsFolder);
  EXPECT_EQ(c.DestinationOf(4), EntryDestination::SystemFolder);
  EXPECT_EQ(c.DestinationOf(5), EntryDestination::SystemFolder);
  EXPECT_EQ(c.entries[1].folder, "b\\");
  EXPECT_EQ(c.entries[1].fileName, "b.txt");
  EXPECT_EQ(c.entries[5].fileName, "sys2.dll");
  EXPECT_EQ(c.PayloadSize, 60);
}

TEST(PackageConfig, OneByteEntry) {
  const PackageConfig c = Read(Ini({"[InstalSub]", "Pocet=1", "[SuboryProjekt]", "0=one.txt",
                                    "AdrZac0=7", "AdrKon0=7"}));
  ASSERT_EQ(c.entries.size(), 1u);
  EXPECT_EQ(c.entries[0].AdrZac, 7);
  EXPECT_EQ(c.entries[0].AdrKon, 7);
  EXPECT_EQ(c.PayloadSize, 7);
}

TEST(PackageConfig, NonNumericAdrZacFails) {
  EXPECT_THROW(Read(Ini({"[InstalSub]", "Pocet=1", "[SuboryProjekt]", "0=a.txt",
                         "AdrZac0=abc", "AdrKon0=7"})),
               platform::EConvertError);
}

TEST(PackageConfig, AbsentAdrZacOrAdrKonFails) {
  EXPECT_THROW(Read(Ini({"[InstalSub]", "Pocet=1", "[SuboryProjekt]", "0=a.txt", "AdrKon0=7"})),
               platform::EConvertError);
  EXPECT_THROW(Read(Ini({"[InstalSub]", "Pocet=1", "[SuboryProjekt]", "0=a.txt", "AdrZac0=7"})),
               platform::EConvertError);
}

TEST(PackageConfig, NonNumericCountsFail) {
  for (const char* line : {"Pocet=x", "WRP=1.5", "WSP= ", "TMP=two", "PF=?", "PL=1a"}) {
    EXPECT_THROW(Read(Ini({"[InstalSub]", line})), platform::EConvertError) << line;
  }
}

TEST(PackageConfig, AbsurdCountsAreRefusedQuickly) {
  // Each of these would otherwise size a list of billions of slots or loop
  // for billions of keys.
  for (const char* line : {"Pocet=2000000000", "WRP=2147483647", "WSP=100001", "PF=2000000000",
                           "PL=2000000000", "TMP=2000000000"}) {
    EXPECT_THROW(Read(Ini({"[InstalSub]", line})), platform::EConvertError) << line;
  }
  // Three counts within the bound whose sum is not.
  EXPECT_THROW(Read(Ini({"[InstalSub]", "Pocet=60000", "WRP=30000", "WSP=20000"})),
               platform::EConvertError);
  // Negative group sizes are refused too.
  for (const char* line : {"Pocet=-1", "WRP=-5", "WSP=-2147483648"}) {
    EXPECT_THROW(Read(Ini({"[InstalSub]", line})), platform::EConvertError) << line;
  }
}

TEST(PackageConfig, CountBounds) {
  EXPECT_EQ(Read(Ini({"[InstalSub]", "PF=10000"})).ProgramFiles.size(), 10000u);
  EXPECT_EQ(Read(Ini({"[InstalSub]", "TMP=10000"})).TempFiles.size(), 10000u);
  EXPECT_THROW(Read(Ini({"[InstalSub]", "PF=10001"})), platform::EConvertError);
  EXPECT_THROW(Read(Ini({"[InstalSub]", "PL=10001"})), platform::EConvertError);
  EXPECT_THROW(Read(Ini({"[InstalSub]", "TMP=10001"})), platform::EConvertError);
  EXPECT_THROW(Read(Ini({"[InstalSub]", "Pocet=100001"})), platform::EConvertError);
}

TEST(PackageConfig, LargeCountWithoutEntriesStopsAtTheFirstMissingEntry) {
  // Within the bound: the list is sized but reading stops at entry 0.
  EXPECT_THROW(Read(Ini({"[InstalSub]", "Pocet=100000"})), platform::EConvertError);
}

TEST(PackageConfig, TmpSlots) {
  const PackageConfig c =
      Read(Ini({"[InstalSub]", "TMP=3", "[TMP]", "0=lang.ini", "2=archiv\\x.txt"}));
  ASSERT_EQ(c.TempFiles.size(), 3u);
  EXPECT_EQ(c.TempFiles[0].index, 0);
  EXPECT_EQ(c.TempFiles[0].name, "lang.ini");
  EXPECT_EQ(c.TempFiles[1].index, 0);
  EXPECT_EQ(c.TempFiles[1].name, "");
  EXPECT_EQ(c.TempFiles[2].index, 2);
  EXPECT_EQ(c.TempFiles[2].name, "archiv\\x.txt");
}

TEST(PackageConfig, PathSplitOnBackslash) {
  std::string folder, name;
  setup::SplitPackagePath("manual\\manual.html", folder, name);
  EXPECT_EQ(folder, "manual\\");
  EXPECT_EQ(name, "manual.html");
  setup::SplitPackagePath("a\\b\\c.txt", folder, name);
  EXPECT_EQ(folder, "a\\b\\");
  EXPECT_EQ(name, "c.txt");
  setup::SplitPackagePath("tivra.exe", folder, name);
  EXPECT_EQ(folder, "");
  EXPECT_EQ(name, "tivra.exe");
  setup::SplitPackagePath("dir\\", folder, name);
  EXPECT_EQ(folder, "dir\\");
  EXPECT_EQ(name, "");
  // A forward slash is part of the name, not a separator.
  setup::SplitPackagePath("a/b.txt", folder, name);
  EXPECT_EQ(folder, "");
  EXPECT_EQ(name, "a/b.txt");
}

TEST(PackageConfig, FileNameIsCutTo255Characters) {
  const std::string longname(300, 'n');
  const PackageConfig c = Read("[InstalSub]\r\nPocet=1\r\n[SuboryProjekt]\r\n0=dir\\" + longname +
                               "\r\nAdrZac0=1\r\nAdrKon0=1\r\n");
  ASSERT_EQ(c.entries.size(), 1u);
  EXPECT_EQ(c.entries[0].fileName, std::string(255, 'n'));
  EXPECT_EQ(c.entries[0].folder, "dir\\");
}

TEST(PackageConfig, EntryCallbackSeesEveryEntryInOrder) {
  std::vector<std::pair<int32_t, std::string>> seen;
  const auto ini = TBigIniFile::FromBytes(Ini({
      "[InstalSub]", "Pocet=2", "WSP=1", "[SuboryProjekt]",
      "0=manual\\manual.html", "AdrZac0=5", "AdrKon0=9",
      "1=tivra.exe", "AdrZac1=10", "AdrKon1=19",
      "2=x.dll", "AdrZac2=20", "AdrKon2=29",
  }));
  const PackageConfig c = setup::ReadPackageConfig(
      ini, [&](int32_t i, const std::string& name) { seen.emplace_back(i, name); });
  EXPECT_EQ(seen, (std::vector<std::pair<int32_t, std::string>>{
                      {0, "manual.html"}, {1, "tivra.exe"}, {2, "x.dll"}}));
  EXPECT_EQ(c.PayloadSize, 29);
}

TEST(PackageConfig, EntryCallbackStopsWithTheFailure) {
  std::vector<int32_t> seen;
  const auto ini = TBigIniFile::FromBytes(Ini({
      "[InstalSub]", "Pocet=3", "[SuboryProjekt]", "0=a", "AdrZac0=1", "AdrKon0=1", "1=b",
      "AdrZac1=2", "AdrKon1=zz", "2=c", "AdrZac2=3", "AdrKon2=3",
  }));
  EXPECT_THROW(setup::ReadPackageConfig(ini, [&](int32_t i, const std::string&) {
                 seen.push_back(i);
               }),
               platform::EConvertError);
  EXPECT_EQ(seen, std::vector<int32_t>{0});
}

TEST(PackageConfig, SampleFileFromDisk) {
  const PackageConfig c =
      setup::ReadPackageConfig(std::string(TEST_DATA_DIR) + "/package_config_sample.ini");
  EXPECT_EQ(c.Meno, "data.cab");
  EXPECT_EQ(c.MenoTitul, "TIVRA 1.0");
  EXPECT_EQ(c.NText, platform::W("Generátor čísel pre číselné lotérie"));
  EXPECT_EQ(c.DefDir, "TIVRA 1.0\\");
  EXPECT_EQ(c.Pocet, 8);
  EXPECT_EQ(c.Task4, "1");
  EXPECT_EQ(c.Task10, "1");
  EXPECT_EQ(c.Task17, "x");
  EXPECT_EQ(c.Task18, "2");
  EXPECT_EQ(c.payloadMethod, PayloadMethod::PowerArc);
  EXPECT_TRUE(c.compressed);
  EXPECT_TRUE(c.licenceWanted);
  ASSERT_EQ(c.entries.size(), 8u);
  EXPECT_EQ(c.entries[0].fileName, "manual.html");
  EXPECT_EQ(c.entries[0].folder, "manual\\");
  EXPECT_EQ(c.entries[0].AdrZac, 1511);
  EXPECT_EQ(c.entries[0].AdrKon, 5509);
  EXPECT_EQ(c.entries[1].folder, "manual\\obr\\");
  EXPECT_EQ(c.entries[5].fileName, "tivra.exe");
  EXPECT_EQ(c.entries[5].AdrZac, 88863);
  EXPECT_EQ(c.entries[5].AdrKon, 416542);
  EXPECT_EQ(c.entries[7].fileName, "uninstaller.exe");
  EXPECT_EQ(c.PayloadSize, 579887);
  ASSERT_EQ(c.ProgramFiles.size(), 3u);
  EXPECT_EQ(c.ProgramFiles[0].entry, 5);
  EXPECT_EQ(c.entries[c.ProgramFiles[0].entry].fileName, "tivra.exe");
  EXPECT_EQ(c.ProgramFiles[0].name, "Tivra 1.0");
  EXPECT_EQ(c.ProgramFiles[1].name, platform::W("Manuál"));
  EXPECT_EQ(c.ProgramFiles[2].name, platform::W("Odinštalovať"));
  ASSERT_EQ(c.PlochaFiles.size(), 1u);
  EXPECT_EQ(c.PlochaFiles[0].entry, 5);
  ASSERT_EQ(c.TempFiles.size(), 2u);
  EXPECT_EQ(c.TempFiles[1].name, "archiv\\posledny.txt");
}

TEST(PackageConfig, MissingFileIsAnInOutError) {
  EXPECT_THROW(setup::ReadPackageConfig(std::string("/nonexistent/install.dat")),
               platform::EInOutError);
  EXPECT_THROW(setup::ReadLanguageOffer(std::string("/nonexistent/install.dat")),
               platform::EInOutError);
}

TEST(LanguageOffer, AllAbsentOffersNothing) {
  const auto o = setup::ReadLanguageOffer(TBigIniFile::FromBytes(""));
  EXPECT_FALSE(o.SK);
  EXPECT_FALSE(o.CZ);
  EXPECT_FALSE(o.EN);
  EXPECT_EQ(o.MenoTitul, "");
  EXPECT_EQ(o.NText, "");
}

TEST(LanguageOffer, ReadsLgAndTitles) {
  const auto o = setup::ReadLanguageOffer(TBigIniFile::FromBytes(
      Ini({"[InstalSub]", "MenoTitul=TIVRA 1.0", "NText=Sub", "[LG]", "SK=1", "CZ=0", "EN=1",
           "DE=1"})));
  EXPECT_TRUE(o.SK);
  EXPECT_FALSE(o.CZ);
  EXPECT_TRUE(o.EN);
  EXPECT_EQ(o.MenoTitul, "TIVRA 1.0");
  EXPECT_EQ(o.NText, "Sub");
  // Only "1" offers a language.
  const auto p = setup::ReadLanguageOffer(
      TBigIniFile::FromBytes(Ini({"[LG]", "SK=yes", "CZ=2", "EN= 1"})));
  EXPECT_FALSE(p.SK);
  EXPECT_FALSE(p.CZ);
  EXPECT_TRUE(p.EN);  // the INI reader trims blanks around values
}

TEST(LanguageOffer, SampleFile) {
  const auto o =
      setup::ReadLanguageOffer(std::string(TEST_DATA_DIR) + "/package_config_sample.ini");
  EXPECT_TRUE(o.SK && o.CZ && o.EN);
  EXPECT_EQ(o.MenoTitul, "TIVRA 1.0");
}

}  // namespace
