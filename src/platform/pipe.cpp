#include "platform/pipe.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <string>
#include <thread>

#include "platform/errors.h"

namespace platform {

namespace {

// Writing into a pipe whose read end is closed raises SIGPIPE, whose default
// action ends the whole process. Changing the process-wide disposition would
// reach into every other part of the program, so the writing thread instead
// blocks SIGPIPE for the length of its own write: a blocked SIGPIPE caused by
// a write stays pending on that thread, the write fails with EPIPE, and the
// pending signal is taken off again before the old mask comes back. A SIGPIPE
// that was already pending before the write is left alone.
class TSigPipeBlock {
 public:
  TSigPipeBlock() {
    sigemptyset(&pipeSet_);
    sigaddset(&pipeSet_, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSet_, &oldMask_);
    sigset_t pending;
    sigemptyset(&pending);
    sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
  }

  ~TSigPipeBlock() { pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr); }

  TSigPipeBlock(const TSigPipeBlock&) = delete;
  TSigPipeBlock& operator=(const TSigPipeBlock&) = delete;

  // Takes off the SIGPIPE that a failed write left pending on this thread.
  void DiscardRaised() {
    if (wasPending_) return;
    const timespec zero{0, 0};
    while (sigtimedwait(&pipeSet_, nullptr, &zero) < 0 && errno == EINTR) {
    }
  }

 private:
  sigset_t pipeSet_{};
  sigset_t oldMask_{};
  bool wasPending_ = false;
};

void CloseFd(int& fd) {
  if (fd >= 0) {
    ::close(fd);
    fd = -1;
  }
}

}  // namespace

TAnonymousPipe::TAnonymousPipe(int bufferSize) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    throw EInOutError(std::string("Cannot create a pipe. ") + std::strerror(errno));
  }
  readFd_ = fds[0];
  writeFd_ = fds[1];
#ifdef F_SETPIPE_SZ
  if (bufferSize > 0) fcntl(writeFd_, F_SETPIPE_SZ, bufferSize);
#else
  (void)bufferSize;
#endif
}

TAnonymousPipe::~TAnonymousPipe() {
  CloseFd(readFd_);
  CloseFd(writeFd_);
}

int64_t TAnonymousPipe::Read(void* buffer, int64_t count) {
  if (readFd_ < 0) return -1;
  if (count <= 0) return 0;
  for (;;) {
    const ssize_t n = ::read(readFd_, buffer, static_cast<size_t>(count));
    if (n >= 0) return n;
    if (errno != EINTR) return -1;
  }
}

int64_t TAnonymousPipe::Write(const void* buffer, int64_t count) {
  if (writeFd_ < 0) return -1;
  if (count <= 0) return 0;
  TSigPipeBlock block;
  const auto* p = static_cast<const char*>(buffer);
  int64_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(writeFd_, p + done, static_cast<size_t>(count - done));
    if (n > 0) {
      done += n;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno == EPIPE) block.DiscardRaised();
    return -1;
  }
  return done;
}

void TAnonymousPipe::CloseReadEnd() { CloseFd(readFd_); }

void TAnonymousPipe::CloseWriteEnd() { CloseFd(writeFd_); }

int TAnonymousPipe::BufferSize() const {
#ifdef F_GETPIPE_SZ
  const int fd = readFd_ >= 0 ? readFd_ : writeFd_;
  if (fd >= 0) return fcntl(fd, F_GETPIPE_SZ);
#endif
  return -1;
}

void Yield() { std::this_thread::yield(); }

}  // namespace platform
