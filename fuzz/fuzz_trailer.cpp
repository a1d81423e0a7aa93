// Fuzzes the trailer check, the range reading and both staging copies
// on arbitrary setup-file bytes held in a memory stream.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/errors.h"
#include "platform/stream.h"
#include "setup/package/PackageErrors.h"
#include "setup/package/PackageRanges.h"
#include "setup/package/PackageStaging.h"
#include "setup/package/PackageTrailer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  platform::TMemoryStream file(bytes);
  const setup::TrailerCheck check = setup::CheckTrailer(file);
  (void)check;
  setup::PackageRange range;
  try {
    range = setup::ReadPackageRange(file);
  } catch (const setup::EPackageError&) {
    return 0;  // a failed staging step
  }
  if (range.S != static_cast<int64_t>(size)) __builtin_trap();
  try {
    platform::TMemoryStream config;
    setup::StageConfiguration(file, range, config);
    // The staged configuration is exactly Y+1 .. S-401.
    if (bytes.compare(static_cast<size_t>(range.Y) + 1, config.Bytes().size(),
                      config.Bytes()) != 0 ||
        static_cast<int64_t>(config.Bytes().size()) != range.S - range.Y - 401)
      __builtin_trap();
  } catch (const setup::EPackageError&) {
  }
  try {
    platform::TMemoryStream container;
    int last = -1;
    setup::StageContainer(file, range.X, range.Y, container, [&](int p) {
      if (p < 0 || p > 100 || p < last) __builtin_trap();
      last = p;
    });
    if (static_cast<int64_t>(container.Bytes().size()) != int64_t{range.Y} - range.X)
      __builtin_trap();
    if (!container.Bytes().empty() && last != 100) __builtin_trap();
  } catch (const setup::EPackageError&) {
  }
  return 0;
}
