// Fuzzes the INI text behind the language file and the package
// configuration: any bytes parse; writing a key then reads back the written
// value, survives a save and load, and leaves the other sections' keys alone.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::IniText ini(bytes);
  const auto other_before = ini.Read("InstalSub", "Meno");
  ini.Write("Lang", "Type", "SK");
  if (ini.ReadString("Lang", "Type", "") != "SK") std::abort();
  if (ini.Read("InstalSub", "Meno") != other_before) std::abort();
  const platform::IniText reloaded(ini.Bytes());
  if (reloaded.ReadString("Lang", "Type", "") != "SK") std::abort();
  if (reloaded.Read("InstalSub", "Meno") != other_before) std::abort();
  return 0;
}
