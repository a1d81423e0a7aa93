#pragma once
// Read-only stream over a PowerArc container: an 8-byte module identifier
// followed by the stream that module produced. The built-in module (entry 0,
// "BZIP0001") decodes through TBZDecompressionStream on the calling thread;
// any other module's "Decompress" runs on a worker thread that feeds a pipe
// which Read drains.
#include <cstdint>
#include <memory>
#include <stdexcept>

#include "platform/pipe.h"
#include "platform/stream.h"
#include "setup/archive/PowerArcModules.h"
#include "setup/archive/bzLib.h"

namespace setup {

class EPowerArcError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TDecompressThread;

class TPowerArcDecompressStream : public platform::TStream {
 public:
  // Reads the module identifier from the source, which stands at the
  // container's first byte. Fewer than 8 bytes, or an identifier no module
  // of the registry has, raise EPowerArcError "Invalid acrhive index".
  // Neither the registry nor the source is owned; both must outlive the
  // stream.
  TPowerArcDecompressStream(const TModuleRegistry& registry, platform::TStream& source);
  // Stops a running worker (its further writes fail) and waits for it.
  ~TPowerArcDecompressStream() override;
  TPowerArcDecompressStream(const TPowerArcDecompressStream&) = delete;
  TPowerArcDecompressStream& operator=(const TPowerArcDecompressStream&) = delete;

  // Up to count decoded bytes. The built-in module answers as
  // TBZDecompressionStream does (0 at the end). Other modules: the bytes
  // read, or -1 at the end; a worker whose source failed or whose decoder
  // raised an exception makes the read at the end raise EPowerArcError
  // "Decompression failed" instead.
  int64_t Read(void* buffer, int64_t count) override;
  // Always raises EPowerArcError "Invalid stream operation".
  int64_t Write(const void* buffer, int64_t count) override;
  // Seek(0, Current) returns the total delivered so far; any other seek
  // raises EPowerArcError "Invalid stream operation".
  int64_t Seek(int64_t offset, platform::SeekOrigin origin) override;

  int ModuleIndex() const { return moduleIndex_; }

  // Called with the running total of decoded bytes.
  TProgressEvent OnProgress;

  // The read and write procedures the worker hands to the module's decoder
  // (context is this stream). They never throw: a failing source reads as
  // -1, a failing pipe writes as -1.
  int32_t ModuleRead(void* buffer, int32_t count) noexcept;
  int32_t ModuleWrite(const void* buffer, int32_t count) noexcept;
  // Called by the worker once the decoder has returned: closes the pipe's
  // write end so that the reader sees the end.
  void ModuleFinished() noexcept;

 private:
  int64_t ReadFromPipe(char* buffer, int64_t count);
  void StartWorker();
  void StopWorker() noexcept;

  platform::TStream& source_;
  int moduleIndex_ = -1;
  PowerArcDecompressProc decompress_ = nullptr;
  std::unique_ptr<platform::TAnonymousPipe> pipe_;
  std::unique_ptr<TDecompressThread> thread_;
  int64_t total_ = 0;
  std::unique_ptr<TBZDecompressionStream> inner_;
};

}  // namespace setup
