#pragma once
// The package builder: makes setup packages (image, container, configuration and
// trailer), in memory or on disk. Used by the makesetup
// tool, by the tests (fixtures) and by the benchmarks.
//
// Embedded form (one setup file):
//   image | filler 0xB6 | container | filler 0x00 | configuration | trailer
// with X = offset of the container, Y = offset just past it, and the 400-byte
// trailer "<X>X<Y>Y000...", "<S-400>X" at index 200, the method digit at 299,
// "L" at 349, "0" at 359, "D" at 369, "0" elsewhere.
// Side-file form: "install.dat" (the configuration) and the payload file
// named Meno (the container).
//
// The payload is the licence text followed by the entries back to back, in
// entry order (program files, then Windows-folder files, then system-folder
// files); AdrZac/AdrKon are 1-based and inclusive. The container is:
//   Stored (0)      the payload itself;
//   Lzrw1Blocks (1) the payload cut into chunks of at most 32768 bytes, each
//                   compressed into one LZRW1/KH block; sizes in [SUM] Pak and
//                   [PAK] NovPak1..n;
//   PowerArc (2)    "BZIP0001" followed by one bzip2 stream (block size 9).
//
// All texts given to the builder (paths, names, titles) are the program's
// Windows-1250 bytes; the configuration is written as they are, with CR LF.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "setup/package/PayloadMethod.h"

namespace packbuilder {

// A package that cannot be built (too large, bad shortcut, ...), or a file
// that cannot be written.
class EBuildError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One file of the package: its path inside the package ("manual\manual.html",
// folder parts separated by '\') and its bytes.
struct PackageFile {
  std::string payloadPath;
  std::string bytes;
};

// A program-group (PF) or desktop (PL) shortcut: entry number and name.
struct Shortcut {
  int32_t entry = 0;
  std::string name;
};

// A key written as given, for fixtures that need keys the builder does not
// know (or wrong values on purpose). Keys of a section the builder writes are
// appended to that section; other sections are added at the end.
struct ExtraKey {
  std::string section;
  std::string key;
  std::string value;
};

// The configuration values that are not derived from the files.
struct PackageSettings {
  std::string Meno = "data.cab";
  std::string MenoTitul;
  std::string NText;
  std::string DefDir;
  // [LG]
  bool SK = true;
  bool CZ = true;
  bool EN = true;
  // "licencia" asks for the licence; any other value does not. Empty: no key.
  std::string Lic;
  // Written when not empty.
  std::string Task4;
  std::string Task10;
  std::string Task17;
  std::string Task18;
  std::vector<Shortcut> PF;  // program-group shortcuts
  std::vector<Shortcut> PL;  // desktop shortcuts
  std::vector<std::string> TMP;  // files for the uninstaller
  std::vector<ExtraKey> extra;
};

struct PackageInput {
  std::string image;    // the setup program image (embedded form only)
  std::string licence;  // licence text (payload bytes 1 .. AdrZac0 - 1)
  std::vector<PackageFile> programFiles;  // Pocet: to the target folder
  std::vector<PackageFile> windowsFiles;  // WRP: to the Windows folder
  std::vector<PackageFile> systemFiles;   // WSP: to the system folder
  setup::PayloadMethod method = setup::PayloadMethod::Stored;
  PackageSettings settings;
  unsigned char imageFiller = 0xB6;      // byte at X-1
  unsigned char containerFiller = 0x00;  // byte at Y
  // Side-file form: a configuration shorter than 400 bytes is padded with a
  // comment line so that the setup accepts it.
  bool padSideConfig = true;
};

// Where an entry lies in the payload.
struct EntryLayout {
  std::string payloadPath;
  int32_t AdrZac = 0;
  int32_t AdrKon = 0;
};

struct BuiltPackage {
  std::string payload;                // licence + entries
  std::vector<EntryLayout> entries;   // in entry order
  std::string container;              // X..Y-1, or the side payload file
  std::vector<int32_t> blockSizes;    // Lzrw1Blocks: compressed block sizes
  std::string config;                 // configuration text
  // Embedded form only (empty for the side-file form):
  std::string trailer;                // the 400-byte trailer
  std::string setupFile;              // the whole setup file
  int32_t X = 0;
  int32_t Y = 0;
};

// The largest input of one LZRW1/KH block.
inline constexpr size_t kLzrw1ChunkSize = 32768;
inline constexpr int64_t kTrailerSize = 400;

// The trailer digit of a method: '0', '1' or '2'.
char MethodDigit(setup::PayloadMethod method);

// Lays the licence and the files out back to back; fills `entries`.
std::string BuildPayload(const std::string& licence, const std::vector<PackageFile>& files,
                         std::vector<EntryLayout>& entries);

// Encodes the payload as the method's container; `blockSizes` receives the
// LZRW1/KH block sizes (emptied for the other methods).
std::string BuildContainer(std::string_view payload, setup::PayloadMethod method,
                           std::vector<int32_t>& blockSizes);

// One bzip2 stream of the data (libbz2, block size 9).
std::string CompressBzip2(std::string_view data);

// The configuration text: [InstalSub] first, then [LG], [SuboryProjekt],
// [TMP] (when there are TMP names), [SUM] and [PAK] (Lzrw1Blocks only), then
// sections of the extra keys. Pocet/WRP/WSP are the group sizes.
std::string BuildConfig(const PackageSettings& settings, setup::PayloadMethod method,
                        int32_t pocet, int32_t wrp, int32_t wsp,
                        const std::vector<EntryLayout>& entries,
                        const std::vector<int32_t>& blockSizes);

// The 400-byte trailer for a setup file of size S with the container at X..Y.
std::string BuildTrailer(int64_t X, int64_t Y, int64_t S, char methodDigit);

// The whole package in memory.
BuiltPackage BuildEmbedded(const PackageInput& input);
BuiltPackage BuildSideFiles(const PackageInput& input);

// The package on disk: the embedded setup file at `path`; or "install.dat"
// and the payload file Meno in `folder` (which must exist). Both return what
// they wrote.
BuiltPackage WriteEmbedded(const PackageInput& input, const std::string& path);
BuiltPackage WriteSideFiles(const PackageInput& input, const std::string& folder);

}  // namespace packbuilder
