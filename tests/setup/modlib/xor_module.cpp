// A compression module of our own trivial format for the tests: the stream
// is the payload with every byte XORed with the repeating key "tivra". Built
// in several variants (see CMakeLists.txt) that lack an entry, carry a wrong
// signature, reuse the built-in identifier, or fail while decoding.
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "setup/archive/PowerArcModuleApi.h"

#ifndef MODLIB_MODULE_ID
#define MODLIB_MODULE_ID "TEST0001"
#endif
#ifndef MODLIB_SIGNATURE
#define MODLIB_SIGNATURE POWERARC_MODULE_SIGNATURE
#endif

namespace {

const char kKey[] = "tivra";
constexpr unsigned kKeyLength = sizeof kKey - 1;

const char* const kOptions[] = {"key=tivra", "block=4096", ""};

ModuleInfo MakeInfo() {
  ModuleInfo info{MODLIB_SIGNATURE, "XOR", "Test module\r\nBytes XOR a repeating key.",
                  kOptions, 1, 1, {}};
  static_assert(sizeof(MODLIB_MODULE_ID) - 1 == POWERARC_MODULE_ID_LENGTH);
  std::memcpy(info.ModuleId, MODLIB_MODULE_ID, POWERARC_MODULE_ID_LENGTH);
  return info;
}

const ModuleInfo kInfo = MakeInfo();

}  // namespace

extern "C" {

#ifndef MODLIB_WITHOUT_INFO
const ModuleInfo* GetPowerArcModuleInfo(void) { return &kInfo; }
#endif

void SetOptions(void) {}
void Compress(void) {}
void CompressMem(void) {}

#ifndef MODLIB_WITHOUT_DECOMPRESS
void Decompress(void* context, PowerArcReadProc read, PowerArcWriteProc write) {
  unsigned char block[4096];
  uint64_t position = 0;
  for (;;) {
    const int32_t n = read(context, block, static_cast<int32_t>(sizeof block));
    if (n <= 0) return;
    for (int32_t i = 0; i < n; ++i) block[i] ^= static_cast<unsigned char>(kKey[(position + i) % kKeyLength]);
    position += static_cast<uint64_t>(n);
#ifdef MODLIB_THROWS
    if (position > sizeof block) throw std::runtime_error("decoder failure");
#endif
    // A reader that went away makes the write fail: stop early.
    if (write(context, block, n) != n) return;
  }
}
#endif

}  // extern "C"
