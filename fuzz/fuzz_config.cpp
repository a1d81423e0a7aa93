// Fuzzes the package configuration reading (and the language
// step's reading) on arbitrary INI bytes, then cuts every entry the reading
// accepted out of a payload made of the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/errors.h"
#include "platform/stream.h"
#include "setup/package/PackageConfig.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PayloadCut.h"
#include "setup/package/TBigIniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const auto ini = setup::TBigIniFile::FromBytes(bytes);
  (void)setup::ReadLanguageOffer(ini);
  setup::PackageConfig config;
  int32_t seen = 0;
  try {
    config = setup::ReadPackageConfig(ini, [&](int32_t i, const std::string& name) {
      if (i != seen++ || name.size() > setup::kMaxFileNameLength) __builtin_trap();
    });
  } catch (const platform::EConvertError&) {
    return 0;  // configuration reading stopped
  }
  const int64_t n = int64_t{config.Pocet} + config.WRP + config.WSP;
  if (static_cast<int64_t>(config.entries.size()) != n || seen != n) __builtin_trap();
  if (n > 0 && config.PayloadSize != config.entries.back().AdrKon) __builtin_trap();
  platform::TMemoryStream payload(bytes);
  for (const auto& e : config.entries) {
    platform::TMemoryStream out;
    try {
      setup::CutEntry(payload, e, out);
      if (static_cast<int64_t>(out.Bytes().size()) != int64_t{e.AdrKon} - e.AdrZac + 1)
        __builtin_trap();
    } catch (const setup::EPackageError&) {
    }
  }
  if (!config.entries.empty()) {
    try {
      (void)setup::ReadLicenceText(payload, config.entries[0].AdrZac);
    } catch (const setup::EPackageError&) {
    }
  }
  return 0;
}
