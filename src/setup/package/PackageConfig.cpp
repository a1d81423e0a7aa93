#include "setup/package/PackageConfig.h"

#include "platform/convert.h"
#include "platform/errors.h"

namespace setup {
namespace {

const char* const kInstalSub = "InstalSub";
const char* const kSubory = "SuboryProjekt";
const char* const kTmp = "TMP";
const char* const kAbsent = "?";

std::string Num(int64_t v) { return platform::IntToStr(v); }

// A count key: converted, and refused when beyond the bound (or negative,
// unless negative values simply mean "none").
int32_t ReadCount(const TBigIniFile& ini, const char* key, int32_t bound,
                  bool negative_allowed) {
  const int32_t v = ini.ReadInteger(kInstalSub, key, "0");
  if ((v < 0 && !negative_allowed) || v > bound)
    throw platform::EConvertError(std::string("'") + Num(v) + "' is not a valid count for " +
                                  key);
  return v;
}

std::vector<ShortcutSlot> ReadShortcuts(const TBigIniFile& ini, const char* count_key,
                                        const std::string& entry_key,
                                        const std::string& name_key) {
  std::vector<ShortcutSlot> slots;
  const int32_t count = ReadCount(ini, count_key, kMaxListSlots, true);
  if (count <= 0) return slots;
  slots.resize(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    const std::string entry = ini.ReadString(kInstalSub, entry_key + Num(i), kAbsent);
    const std::string name = ini.ReadString(kInstalSub, name_key + Num(i), kAbsent);
    if (entry != kAbsent && name != kAbsent) {
      slots[static_cast<size_t>(i)].entry = platform::StrToInt(entry);
      slots[static_cast<size_t>(i)].name = name;
    }
  }
  return slots;
}

}  // namespace

EntryDestination PackageConfig::DestinationOf(int32_t entry) const {
  if (entry < Pocet) return EntryDestination::TargetFolder;
  if (entry < static_cast<int64_t>(Pocet) + WRP) return EntryDestination::WindowsFolder;
  return EntryDestination::SystemFolder;
}

PayloadMethod MethodFromTask8(const std::string& task8) {
  if (task8 == "1") return PayloadMethod::Lzrw1Blocks;
  if (task8 == "2") return PayloadMethod::PowerArc;
  return PayloadMethod::Stored;
}

void SplitPackagePath(const std::string& path, std::string& folder, std::string& name) {
  const auto pos = path.find_last_of('\\');
  if (pos == std::string::npos) {
    folder.clear();
    name = path;
  } else {
    folder = path.substr(0, pos + 1);
    name = path.substr(pos + 1);
  }
}

PackageConfig ReadPackageConfig(const TBigIniFile& ini, const EntryReadFn& on_entry) {
  PackageConfig c;
  // Step 1.
  c.Meno = ini.ReadString(kInstalSub, "Meno", "");
  c.MenoTitul = ini.ReadString(kInstalSub, "MenoTitul", "");
  c.NText = ini.ReadString(kInstalSub, "NText", "");
  c.Pocet = ReadCount(ini, "Pocet", kMaxEntries, false);
  c.WSP = ReadCount(ini, "WSP", kMaxEntries, false);
  c.WRP = ReadCount(ini, "WRP", kMaxEntries, false);
  c.TMP = ReadCount(ini, "TMP", kMaxListSlots, true);
  c.DefDir = ini.ReadString(kInstalSub, "DefDir", "");
  c.Task4 = ini.ReadString(kInstalSub, "Task4", "");
  c.Task8 = ini.ReadString(kInstalSub, "Task8", "");
  c.Task10 = ini.ReadString(kInstalSub, "Task10", "");
  c.Task17 = ini.ReadString(kInstalSub, "Task17", "");
  c.Task18 = ini.ReadString(kInstalSub, "Task18", "");
  // Step 2.
  c.payloadMethod = MethodFromTask8(c.Task8);
  c.compressed = c.payloadMethod != PayloadMethod::Stored;
  // Step 3.
  c.ProgramFiles = ReadShortcuts(ini, "PF", "PF", "PFM");
  c.PlochaFiles = ReadShortcuts(ini, "PL", "PL", "PLM");
  // Step 4.
  if (c.TMP > 0) {
    c.TempFiles.resize(static_cast<size_t>(c.TMP));
    for (int32_t i = 0; i < c.TMP; ++i) {
      const std::string name = ini.ReadString(kTmp, Num(i), kAbsent);
      if (name != kAbsent) {
        c.TempFiles[static_cast<size_t>(i)].index = i;
        c.TempFiles[static_cast<size_t>(i)].name = name;
      }
    }
  }
  // Step 5.
  c.Lic = ini.ReadString(kInstalSub, "Lic", "");
  c.licenceWanted = c.Lic == "licencia";
  // Step 6.
  const int64_t n = static_cast<int64_t>(c.Pocet) + c.WSP + c.WRP;
  if (n > kMaxEntries)
    throw platform::EConvertError("'" + Num(n) + "' is not a valid count of entries");
  // Entries are appended as they are read (not reserved up front), so a large
  // count whose entries are missing costs nothing before it fails.
  for (int32_t i = 0; i < n; ++i) {
    ZaznamProg e;
    e.index = i;
    const std::string path = ini.ReadString(kSubory, Num(i), "");
    SplitPackagePath(path, e.folder, e.fileName);
    if (e.fileName.size() > kMaxFileNameLength) e.fileName.resize(kMaxFileNameLength);
    e.AdrZac = ini.ReadInteger(kSubory, "AdrZac" + Num(i), "");
    e.AdrKon = ini.ReadInteger(kSubory, "AdrKon" + Num(i), "");
    c.entries.push_back(e);
    c.PayloadSize = e.AdrKon;
    if (on_entry) on_entry(i, c.entries.back().fileName);
  }
  return c;
}

PackageConfig ReadPackageConfig(const std::string& path, const EntryReadFn& on_entry) {
  const TBigIniFile ini(path);
  return ReadPackageConfig(ini, on_entry);
}

LanguageOffer ReadLanguageOffer(const TBigIniFile& ini) {
  LanguageOffer o;
  o.SK = ini.ReadString("LG", "SK", "0") == "1";
  o.CZ = ini.ReadString("LG", "CZ", "0") == "1";
  o.EN = ini.ReadString("LG", "EN", "0") == "1";
  o.MenoTitul = ini.ReadString(kInstalSub, "MenoTitul", "");
  o.NText = ini.ReadString(kInstalSub, "NText", "");
  return o;
}

LanguageOffer ReadLanguageOffer(const std::string& path) {
  const TBigIniFile ini(path);
  return ReadLanguageOffer(ini);
}

}  // namespace setup
