// The anonymous pipe under the decompression worker: data passes, the ends
// close as the worker and the reader expect, and a write nobody reads fails
// without SIGPIPE, leaving the thread's signal state as it found it.
#include <signal.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/pipe.h"

namespace {

using platform::TAnonymousPipe;

bool SigPipePending() {
  sigset_t pending;
  sigemptyset(&pending);
  sigpending(&pending);
  return sigismember(&pending, SIGPIPE) == 1;
}

bool SigPipeBlocked() {
  sigset_t mask;
  pthread_sigmask(SIG_BLOCK, nullptr, &mask);
  return sigismember(&mask, SIGPIPE) == 1;
}

TEST(AnonymousPipe, CarriesBytesAndEndsWhenTheWriterCloses) {
  TAnonymousPipe pipe;
  EXPECT_EQ(pipe.BufferSize(), 16384);
  const std::string data(100000, 'k');  // several times the buffer
  std::thread writer([&] {
    EXPECT_EQ(pipe.Write(data.data(), static_cast<int64_t>(data.size())),
              static_cast<int64_t>(data.size()));
    pipe.CloseWriteEnd();
  });
  std::string got;
  char block[4096];
  for (int64_t n; (n = pipe.Read(block, sizeof block)) > 0;) got.append(block, static_cast<size_t>(n));
  writer.join();
  EXPECT_EQ(got, data);
  EXPECT_EQ(pipe.Read(block, sizeof block), 0);
}

TEST(AnonymousPipe, WriteWithTheReadEndClosedFailsWithoutSignal) {
  TAnonymousPipe pipe;
  pipe.CloseReadEnd();
  ASSERT_FALSE(SigPipeBlocked());
  EXPECT_EQ(pipe.Write("abc", 3), -1);
  EXPECT_FALSE(SigPipePending());
  EXPECT_FALSE(SigPipeBlocked());
  char c;
  EXPECT_EQ(pipe.Read(&c, 1), -1);
}

TEST(AnonymousPipe, WriterBlockedOnAFullPipeFailsOnceTheReaderCloses) {
  TAnonymousPipe pipe;
  const std::string data(1 << 20, 'x');
  int64_t result = 0;
  std::thread writer([&] { result = pipe.Write(data.data(), static_cast<int64_t>(data.size())); });
  char block[100];
  ASSERT_EQ(pipe.Read(block, sizeof block), 100);
  pipe.CloseReadEnd();
  writer.join();
  EXPECT_EQ(result, -1);
}

}  // namespace
