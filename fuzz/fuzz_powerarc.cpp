// Arbitrary bytes as a PowerArc container, decoded through the built-in
// module the way the setup reads a staged container: 4096 bytes at a time
// until Read returns 0 or less. Only the stream's own errors may come out.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/stream.h"
#include "setup/archive/PowerArc.h"
#include "setup/archive/PowerArcModules.h"
#include "setup/archive/bzLib.h"

namespace {
// A few bytes of bzip2 can stand for hundreds of megabytes; past this much
// output an input has shown all it can.
constexpr int64_t kOutputCap = int64_t{8} << 20;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const setup::TModuleRegistry registry;
  platform::TMemoryStream source(std::string(reinterpret_cast<const char*>(data), size));
  try {
    setup::TPowerArcDecompressStream stream(registry, source);
    int64_t total = 0;
    int64_t reported = 0;
    stream.OnProgress = [&reported](int64_t t) { reported = t; };
    char block[4096];
    while (total < kOutputCap) {
      const int64_t n = stream.Read(block, sizeof block);
      if (n <= 0) break;
      if (n > static_cast<int64_t>(sizeof block)) __builtin_trap();
      total += n;
    }
    if (stream.Seek(0, platform::SeekOrigin::Current) != total) __builtin_trap();
    if (reported < total) __builtin_trap();
  } catch (const setup::EPowerArcError&) {
  } catch (const setup::EBZip2Error&) {
  }
  return 0;
}
