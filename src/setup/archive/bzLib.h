#pragma once
// Read-only bzip2 decoding stream over libbz2. It pulls the compressed bytes
// from a source stream in blocks of 65536 bytes and hands out the decoded
// bytes; the source is not owned and must outlive the stream.
#include <bzlib.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

#include "platform/stream.h"

namespace setup {

class EBZip2Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EBZCompressionError : public EBZip2Error {
 public:
  using EBZip2Error::EBZip2Error;
};
class EBZDecompressionError : public EBZip2Error {
 public:
  using EBZip2Error::EBZip2Error;
};

// Called with the running total of decoded bytes.
using TProgressEvent = std::function<void(int64_t total)>;

class TCustomBZip2Stream : public platform::TStream {
 public:
  static constexpr int kInputBufferSize = 65536;

  ~TCustomBZip2Stream() override;
  TCustomBZip2Stream(const TCustomBZip2Stream&) = delete;
  TCustomBZip2Stream& operator=(const TCustomBZip2Stream&) = delete;

  TProgressEvent OnProgress;

 protected:
  // Keeps the source and its current position, and routes libbz2's
  // allocations to the heap.
  explicit TCustomBZip2Stream(platform::TStream& source);

  // Total of bytes libbz2 has put out so far.
  int64_t TotalOut() const;
  void Progress();

  platform::TStream& source_;
  int64_t sourcePosition_;
  // libbz2 keeps a pointer back to this record: the stream never moves.
  bz_stream bz_{};
  std::unique_ptr<char[]> buffer_;
};

class TBZDecompressionStream : public TCustomBZip2Stream {
 public:
  // Starts decoding at the source's current position. libbz2 refusing to
  // start raises EBZDecompressionError "error <code>".
  explicit TBZDecompressionStream(platform::TStream& source);
  ~TBZDecompressionStream() override;

  // Decodes up to count bytes into buffer: the bytes delivered, 0 once the
  // stream has ended and nothing follows it in the source. A corrupt stream,
  // bytes after the end of the stream and a stream cut short all raise
  // EBZCompressionError "error <libbz2 code>".
  int64_t Read(void* buffer, int64_t count) override;
  // Always raises EBZDecompressionError "Invalid stream operation".
  int64_t Write(const void* buffer, int64_t count) override;
  // Seek(n >= 0, Current) moves nothing and returns the total decoded so
  // far; any other seek raises EBZDecompressionError "Invalid stream
  // operation".
  int64_t Seek(int64_t offset, platform::SeekOrigin origin) override;

 private:
  // Refills the input buffer from the source when it is empty; false when
  // the source has nothing more.
  bool FillInput();
  // One libbz2 decoding step; a negative answer raises EBZCompressionError.
  int Step();

  bool initialised_ = false;
  bool streamEnded_ = false;
};

}  // namespace setup
