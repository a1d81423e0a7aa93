// Round trips: setup packages made by the builder, read back the way the setup
// does (trailer -> ranges -> staging -> decode -> cut), give exactly the
// entries that went in. Every method, both forms.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "packbuilder/PackageBuilder.h"
#include "platform/cp1250.h"
#include "platform/files.h"
#include "platform/stream.h"
#include "setup/archive/DecompressPowerArcFile.h"
#include "setup/archive/LZRW1KHPayload.h"
#include "setup/archive/PowerArcModules.h"
#include "setup/package/PackageConfig.h"
#include "setup/package/PackageRanges.h"
#include "setup/package/PackageStaging.h"
#include "setup/package/PackageTrailer.h"
#include "setup/package/PayloadCut.h"

namespace {

using packbuilder::PackageInput;
using setup::PayloadMethod;

std::string Noise(size_t n, uint32_t seed) {
  std::string s(n, '\0');
  uint32_t x = seed;
  for (auto& c : s) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    c = static_cast<char>(x);
  }
  return s;
}

// Text-like bytes that compress.
std::string Words(size_t n) {
  static const char* const words[] = {"tiket ", "loto ", "keno ", "cisla ", "\r\n", "ťahy ",
                                      "výhra ", "10 ", "49 "};
  std::string s;
  uint32_t x = 7;
  while (s.size() < n) {
    x = x * 1103515245u + 12345u;
    s += words[(x >> 16) % 9];
  }
  s.resize(n);
  return s;
}

PackageInput TivraLikeInput(PayloadMethod method) {
  PackageInput in;
  in.method = method;
  in.image = "\x7F" "ELF" + Noise(3000, 1);
  in.licence = platform::W("Licenčná zmluva\r\nPoužívanie na vlastné riziko.\r\n");
  in.programFiles = {
      {"manual\\manual.html", Words(3999)},
      {"manual\\obr\\logo.gif", Noise(5000, 2)},
      {"archiv\\prázdny.txt", ""},  // an empty entry
      {"lang.ini", "[Lang]\r\nType=1\r\n"},
      {"tivra.exe", Noise(70000, 3) + Words(100000) + std::string(40000, '\0')},
      {"a.txt", "A"},  // one byte
      {"uninstaller.exe", Noise(40000, 4)},
  };
  in.windowsFiles = {{"tivra.ini", "[x]\r\ny=1\r\n"}};
  in.systemFiles = {{"tivra32.dll", Words(33000)}, {"b.dll", "B"}};
  in.settings.MenoTitul = "TIVRA 1.0";
  in.settings.NText = platform::W("Generátor čísel pre číselné lotérie");
  in.settings.DefDir = "TIVRA 1.0\\";
  in.settings.Lic = "licencia";
  in.settings.PF = {{4, "Tivra 1.0"}, {0, platform::W("Manuál")}};
  in.settings.PL = {{4, "Tivra 1.0"}};
  in.settings.TMP = {"archiv\\posledny.txt"};
  in.settings.Task4 = "1";
  in.settings.Task10 = "1";
  in.settings.Task18 = "1";
  return in;
}

std::vector<packbuilder::PackageFile> AllFiles(const PackageInput& in) {
  std::vector<packbuilder::PackageFile> all = in.programFiles;
  all.insert(all.end(), in.windowsFiles.begin(), in.windowsFiles.end());
  all.insert(all.end(), in.systemFiles.begin(), in.systemFiles.end());
  return all;
}

class BuilderRoundTrip : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/pkg_roundtrip_XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir_ = std::string(tmpl) + "/";
    temp_ = dir_ + "temp/";
    ASSERT_TRUE(platform::CreateDir(temp_));
  }
  void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

  // Turns the container into the working payload file for a compressed
  // method; Stored needs no decoding. Returns the working payload's path.
  std::string Decode(const setup::PackageConfig& cfg, bool embedded,
                     const std::string& container_path, const std::string& config_path,
                     int32_t X, int32_t Y);

  // Reads back everything and compares it with what went in.
  void CheckPayload(const PackageInput& in, const setup::PackageConfig& cfg,
                    const std::string& working_payload) {
    const auto files = AllFiles(in);
    EXPECT_EQ(cfg.Pocet, static_cast<int32_t>(in.programFiles.size()));
    EXPECT_EQ(cfg.WRP, static_cast<int32_t>(in.windowsFiles.size()));
    EXPECT_EQ(cfg.WSP, static_cast<int32_t>(in.systemFiles.size()));
    ASSERT_EQ(cfg.entries.size(), files.size());
    EXPECT_EQ(cfg.payloadMethod, in.method);
    EXPECT_EQ(cfg.licenceWanted, in.settings.Lic == "licencia");
    EXPECT_EQ(platform::FileSize(working_payload), cfg.PayloadSize);
    EXPECT_EQ(setup::ReadLicenceText(working_payload, cfg.entries[0].AdrZac), in.licence);
    for (size_t i = 0; i < files.size(); ++i) {
      const auto& e = cfg.entries[i];
      EXPECT_EQ(e.folder + e.fileName, files[i].payloadPath) << i;
      const std::string out = dir_ + "entry" + std::to_string(i);
      setup::CutEntryToFile(working_payload, e, out);
      EXPECT_EQ(platform::ReadFileBytes(out), files[i].bytes) << files[i].payloadPath;
    }
  }

  // The Embedded form as the setup runs it.
  void EmbeddedRoundTrip(const PackageInput& in) {
    const std::string setup_path = dir_ + "setup";
    const auto built = packbuilder::WriteEmbedded(in, setup_path);

    ASSERT_EQ(setup::CheckPackageForm(dir_), setup::PackageFormCheck::Embedded);
    const auto check = setup::CheckTrailer(setup_path);
    ASSERT_TRUE(check.marks_valid);
    ASSERT_EQ(check.method, in.method);

    // FormShow: create the staging targets empty, read the range, stage the
    // configuration.
    const std::string config_path = temp_ + setup::kStagedConfigName;
    const std::string container_path = temp_ + setup::kStagedContainerName;
    platform::WriteFileBytes(config_path, "");
    const bool stage_container = in.method != PayloadMethod::Lzrw1Blocks;
    if (stage_container) platform::WriteFileBytes(container_path, "");
    const auto range = setup::ReadPackageRange(setup_path);
    EXPECT_EQ(range.X, built.X);
    EXPECT_EQ(range.Y, built.Y);
    setup::StageConfiguration(setup_path, range, config_path);
    EXPECT_EQ(platform::ReadFileBytes(config_path), built.config);

    // Yes step: read the configuration, prepare the payload.
    std::vector<int32_t> seen;
    const auto cfg = setup::ReadPackageConfig(
        config_path, [&](int32_t i, const std::string&) { seen.push_back(i); });
    EXPECT_EQ(seen.size(), cfg.entries.size());
    std::string working;
    if (stage_container) {
      std::vector<int> progress;
      setup::StageContainer(setup_path, range.X, range.Y, container_path,
                            [&](int p) { progress.push_back(p); });
      EXPECT_EQ(platform::ReadFileBytes(container_path), built.container);
      ASSERT_FALSE(progress.empty());
      EXPECT_EQ(progress.back(), 100);
      if (in.method == PayloadMethod::Stored) {
        // WorkingPayload is TempDir + Meno + ".datt": the container copy.
        working = temp_ + cfg.Meno + ".datt";
        EXPECT_EQ(working, container_path);
      } else {
        // PowerArc: decode the staged container copy.
        working = Decode(cfg, true, container_path, config_path, range.X, range.Y);
      }
    } else {
      // Lzrw1Blocks: nothing staged; the blocks are read from the setup file at X.
      working = Decode(cfg, true, setup_path, config_path, range.X, range.Y);
    }
    if (HasFatalFailure() || working.empty()) return;
    CheckPayload(in, cfg, working);
  }

  // The SideFiles form: "install.dat" and the payload file beside the setup.
  void SideFilesRoundTrip(const PackageInput& in) {
    const auto built = packbuilder::WriteSideFiles(in, dir_);
    ASSERT_EQ(setup::CheckPackageForm(dir_), setup::PackageFormCheck::SideFiles);
    const std::string config_path = dir_ + setup::kSideConfigName;
    const auto cfg = setup::ReadPackageConfig(config_path);
    const std::string payload_file = dir_ + cfg.Meno;
    EXPECT_EQ(platform::ReadFileBytes(payload_file), built.container);
    std::string working = payload_file;
    if (in.method != PayloadMethod::Stored)
      working = Decode(cfg, false, payload_file, config_path, 0, 0);
    if (HasFatalFailure() || working.empty()) return;
    CheckPayload(in, cfg, working);
  }

  std::string dir_;
  std::string temp_;
};

std::string BuilderRoundTrip::Decode(const setup::PackageConfig& cfg, bool embedded,
                                     const std::string& container_path,
                                     const std::string& config_path, int32_t X, int32_t Y) {
  // Every decompression writes TempDir + Meno + ".dat", created anew.
  const std::string out_path = temp_ + cfg.Meno + ".dat";
  std::vector<int> progress;
  if (cfg.payloadMethod == PayloadMethod::Lzrw1Blocks) {
    // Block sizes from the configuration file (the staged one, or the side
    // "install.dat").
    const setup::TBigIniFile ini(config_path);
    platform::TFileStream source(container_path, platform::FileMode::OpenRead);
    platform::TFileStream output(out_path, platform::FileMode::Create);
    auto on_progress = [&](int p) { progress.push_back(p); };
    if (embedded)
      setup::DecompressLzrw1Embedded(ini, source, X, Y, output, on_progress);
    else
      setup::DecompressLzrw1SideFile(ini, source, output, on_progress);
    EXPECT_FALSE(progress.empty());
    EXPECT_EQ(progress.empty() ? -1 : progress.back(), 100);
  } else {
    setup::TModuleRegistry registry;
    int64_t last_total = 0;
    const int64_t written = setup::DecompressPowerArcFile(
        registry, container_path, out_path, [&](int64_t total) { last_total = total; });
    EXPECT_EQ(written, cfg.PayloadSize);
    EXPECT_EQ(last_total, cfg.PayloadSize);
  }
  return out_path;
}

TEST_F(BuilderRoundTrip, StoredEmbedded) { EmbeddedRoundTrip(TivraLikeInput(PayloadMethod::Stored)); }

TEST_F(BuilderRoundTrip, StoredSideFiles) {
  SideFilesRoundTrip(TivraLikeInput(PayloadMethod::Stored));
}

TEST_F(BuilderRoundTrip, StoredEmbeddedWithoutLicence) {
  PackageInput in = TivraLikeInput(PayloadMethod::Stored);
  in.licence.clear();
  in.settings.Lic = "Licencia";
  EmbeddedRoundTrip(in);
}

TEST_F(BuilderRoundTrip, StoredContainerOfExactBlockMultiple) {
  PackageInput in;
  in.image = "img";
  in.licence = "L";
  in.programFiles = {{"big.bin", Noise(2 * 32720 - 1, 9)}};
  const auto built = packbuilder::BuildEmbedded(in);
  ASSERT_EQ(built.container.size(), 2u * 32720u);
  EmbeddedRoundTrip(in);
}

}  // namespace

TEST_F(BuilderRoundTrip, Lzrw1Embedded) {
  EmbeddedRoundTrip(TivraLikeInput(PayloadMethod::Lzrw1Blocks));
}

TEST_F(BuilderRoundTrip, Lzrw1SideFiles) {
  SideFilesRoundTrip(TivraLikeInput(PayloadMethod::Lzrw1Blocks));
}

TEST_F(BuilderRoundTrip, PowerArcEmbedded) {
  EmbeddedRoundTrip(TivraLikeInput(PayloadMethod::PowerArc));
}

TEST_F(BuilderRoundTrip, PowerArcSideFiles) {
  SideFilesRoundTrip(TivraLikeInput(PayloadMethod::PowerArc));
}

TEST_F(BuilderRoundTrip, Lzrw1BlocksAreAtMost32768BytesOfPayloadEach) {
  const PackageInput in = TivraLikeInput(PayloadMethod::Lzrw1Blocks);
  const auto built = packbuilder::BuildEmbedded(in);
  const size_t chunks = (built.payload.size() + 32767) / 32768;
  ASSERT_EQ(built.blockSizes.size(), chunks);
  size_t total = 0;
  for (int32_t s : built.blockSizes) {
    EXPECT_GE(s, 1);
    EXPECT_LE(s, 32769);  // a stored block: flag + 32768 bytes
    total += static_cast<size_t>(s);
  }
  EXPECT_EQ(total, built.container.size());
  // The text-like payload compresses.
  EXPECT_LT(built.container.size(), built.payload.size());
  const auto ini = setup::TBigIniFile::FromBytes(built.config);
  EXPECT_EQ(ini.ReadInteger("SUM", "Pak", "0"), static_cast<int32_t>(chunks));
  EXPECT_EQ(ini.ReadInteger("PAK", "NovPak1", ""), built.blockSizes[0]);
}

TEST_F(BuilderRoundTrip, EmptyPayloadEveryMethod) {
  // No licence and a single empty file: a payload of 0 bytes.
  for (auto method :
       {PayloadMethod::Stored, PayloadMethod::Lzrw1Blocks, PayloadMethod::PowerArc}) {
    PackageInput in;
    in.method = method;
    in.image = "img";
    in.programFiles = {{"empty.txt", ""}};
    const auto built = packbuilder::BuildEmbedded(in);
    EXPECT_TRUE(built.payload.empty());
    EXPECT_EQ(built.entries[0].AdrZac, 1);
    EXPECT_EQ(built.entries[0].AdrKon, 0);
  }
}
