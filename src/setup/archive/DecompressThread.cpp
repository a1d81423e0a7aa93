#include "setup/archive/DecompressThread.h"

#include "setup/archive/PowerArc.h"

namespace setup {

// The procedures handed to the module: C functions whose context is the
// stream being served.
extern "C" {
static int32_t PowerArcModuleRead(void* context, void* buffer, int32_t count) {
  return static_cast<TPowerArcDecompressStream*>(context)->ModuleRead(buffer, count);
}

static int32_t PowerArcModuleWrite(void* context, const void* buffer, int32_t count) {
  return static_cast<TPowerArcDecompressStream*>(context)->ModuleWrite(buffer, count);
}
}

TDecompressThread::TDecompressThread(TPowerArcDecompressStream& stream,
                                     PowerArcDecompressProc decompress)
    : stream_(stream), decompress_(decompress) {}

TDecompressThread::~TDecompressThread() { WaitFor(); }

void TDecompressThread::Start() {
  done_.store(false, std::memory_order_release);
  thread_ = std::thread([this] { Execute(); });
}

void TDecompressThread::WaitFor() {
  if (thread_.joinable()) thread_.join();
}

void TDecompressThread::Execute() noexcept {
  try {
    if (decompress_ != nullptr) decompress_(&stream_, PowerArcModuleRead, PowerArcModuleWrite);
  } catch (...) {
    // A decoder failure must not end the process from this thread; the
    // reader learns of it at the end of the data.
    MarkFailed();
  }
  stream_.ModuleFinished();
  done_.store(true, std::memory_order_release);
}

}  // namespace setup
