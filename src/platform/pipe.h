#pragma once
// An anonymous pipe between two threads of this process, and the "sleep of
// zero" that lets the other thread run.
#include <cstdint>

namespace platform {

class TAnonymousPipe {
 public:
  static constexpr int kDefaultBufferSize = 16384;

  // Creates the pipe and asks the system for a buffer of bufferSize bytes;
  // where the system refuses, its own default size stays. A pipe that cannot
  // be created at all raises EInOutError.
  explicit TAnonymousPipe(int bufferSize = kDefaultBufferSize);
  ~TAnonymousPipe();
  TAnonymousPipe(const TAnonymousPipe&) = delete;
  TAnonymousPipe& operator=(const TAnonymousPipe&) = delete;

  // One read of up to count bytes: the bytes read, 0 when every writer has
  // closed its end and the pipe is empty, -1 when the read fails (the read
  // end closed, for one).
  int64_t Read(void* buffer, int64_t count);
  // Writes all count bytes, blocking while the pipe is full: count, or -1
  // when the write fails (the read end closed, for one). A write into a pipe
  // nobody reads any more fails; it never ends the process with SIGPIPE.
  int64_t Write(const void* buffer, int64_t count);

  void CloseReadEnd();
  void CloseWriteEnd();

  // The buffer size the system granted, in bytes (-1 when it cannot tell).
  int BufferSize() const;

 private:
  int readFd_ = -1;
  int writeFd_ = -1;
};

// Gives the rest of this thread's time slice to another ready thread.
void Yield();

}  // namespace platform
