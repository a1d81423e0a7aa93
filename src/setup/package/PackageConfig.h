#pragma once
// The package configuration: the INI text read through
// TBigIniFile into the record lists ZaznamProg, ProgramFiles, PlochaFiles and
// TempFiles and the package values.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "setup/package/PayloadMethod.h"
#include "setup/package/TBigIniFile.h"

namespace setup {

// One payload entry: "SuboryProjekt" i, AdrZac i, AdrKon i.
struct ZaznamProg {
  int32_t index = 0;
  std::string fileName;  // name without its folder, at most 255 characters
  int32_t AdrZac = 0;    // first byte in the payload, counted from 1
  int32_t AdrKon = 0;    // last byte in the payload, counted from 1, inclusive
  std::string folder;    // folder part of the path with its '\' ("manual\") or ""
};

// One shortcut slot (ProgramFiles: PF i / PFM i; PlochaFiles: PL i / PLM i).
struct ShortcutSlot {
  int32_t entry = 0;  // number of the payload entry the shortcut points to
  std::string name;
};

// One [TMP] slot.
struct TempFileSlot {
  int32_t index = 0;
  std::string name;
};

// Where an entry is installed, by its number.
enum class EntryDestination { TargetFolder, WindowsFolder, SystemFolder };

// Bounds on the counts of the configuration. A count beyond them (or a
// negative Pocet, WRP or WSP) is refused like a value that is not a number:
// platform::EConvertError. Real packages hold a handful of entries.
inline constexpr int32_t kMaxEntries = 100000;    // Pocet + WRP + WSP
inline constexpr int32_t kMaxListSlots = 10000;   // PF, PL, TMP each
inline constexpr size_t kMaxFileNameLength = 255;

struct PackageConfig {
  // "InstalSub", read in the documented order.
  std::string Meno;
  std::string MenoTitul;
  std::string NText;
  int32_t Pocet = 0;
  int32_t WSP = 0;
  int32_t WRP = 0;
  int32_t TMP = 0;
  std::string DefDir;
  std::string Task4;
  std::string Task8;
  std::string Task10;
  std::string Task17;
  std::string Task18;
  PayloadMethod payloadMethod = PayloadMethod::Stored;  // from Task8
  bool compressed = false;  // Lzrw1Blocks or PowerArc
  std::vector<ShortcutSlot> ProgramFiles;
  std::vector<ShortcutSlot> PlochaFiles;
  std::vector<TempFileSlot> TempFiles;
  std::string Lic;
  bool licenceWanted = false;  // Lic is exactly "licencia"
  std::vector<ZaznamProg> entries;  // Pocet + WSP + WRP of them
  int32_t PayloadSize = 0;          // AdrKon of the last entry (0 with none)

  EntryDestination DestinationOf(int32_t entry) const;
};

// Called after each entry is read with its number and file name; the wizard
// shows "<number> <name>..." and may process window messages.
using EntryReadFn = std::function<void(int32_t entry, const std::string& fileName)>;

// Payload method of a Task8 value: "1" Lzrw1Blocks, "2" PowerArc, anything
// else (empty included) Stored.
PayloadMethod MethodFromTask8(const std::string& task8);

// Splits a package path at its last '\': "manual\manual.html" gives the
// folder "manual\" and the name "manual.html".
void SplitPackagePath(const std::string& path, std::string& folder, std::string& name);

// Configuration reading. A value that
// must be a number and is not (an absent AdrZac i, a PF i of letters, ...)
// raises platform::EConvertError and stops the reading; so do counts out of
// bounds (see above). PF, PL and TMP of 0 or below give empty lists.
PackageConfig ReadPackageConfig(const TBigIniFile& ini, const EntryReadFn& on_entry = {});
// The same on a file; a missing or unreadable file raises
// platform::EInOutError.
PackageConfig ReadPackageConfig(const std::string& path, const EntryReadFn& on_entry = {});

// What the language step reads: "LG" SK, CZ, EN (each offered when "1") and
// "InstalSub" MenoTitul, NText.
struct LanguageOffer {
  bool SK = false;
  bool CZ = false;
  bool EN = false;
  std::string MenoTitul;
  std::string NText;
};

LanguageOffer ReadLanguageOffer(const TBigIniFile& ini);
LanguageOffer ReadLanguageOffer(const std::string& path);

}  // namespace setup
