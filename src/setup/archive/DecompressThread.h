#pragma once
// The worker thread that runs an external module's "Decompress" for one
// TPowerArcDecompressStream, writing the decoded bytes into its pipe.
#include <atomic>
#include <thread>

#include "setup/archive/PowerArcModuleApi.h"

namespace setup {

class TPowerArcDecompressStream;

class TDecompressThread {
 public:
  // Prepares the worker; nothing runs before Start.
  TDecompressThread(TPowerArcDecompressStream& stream, PowerArcDecompressProc decompress);
  // Waits for a started worker.
  ~TDecompressThread();
  TDecompressThread(const TDecompressThread&) = delete;
  TDecompressThread& operator=(const TDecompressThread&) = delete;

  void Start();
  // Blocks until the worker has finished. Closing the pipe's read end
  // first makes a decoder that checks its writes stop early.
  void WaitFor();

  // Set once the decoder has returned and the pipe's write end is closed.
  bool Done() const { return done_.load(std::memory_order_acquire); }
  // The decoder raised an exception, or the source failed under it.
  bool Failed() const { return failed_.load(std::memory_order_acquire); }
  void MarkFailed() { failed_.store(true, std::memory_order_release); }

 private:
  void Execute() noexcept;

  TPowerArcDecompressStream& stream_;
  PowerArcDecompressProc decompress_;
  std::atomic<bool> done_{false};
  std::atomic<bool> failed_{false};
  std::thread thread_;
};

}  // namespace setup
