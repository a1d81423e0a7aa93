#include "setup/archive/bzLib.h"

#include <cstdlib>
#include <string>

namespace setup {

namespace {

// libbz2 counts output room in an unsigned int; larger requests are served
// in part, as any stream may.
constexpr int64_t kMaxReadChunk = int64_t{1} << 30;

std::string ErrorText(int code) { return "error " + std::to_string(code); }

}  // namespace

// libbz2 asks for items * size bytes. The hooks are C functions that never
// throw: a refused or overflowing request is a null pointer, which libbz2
// turns into its own memory error.
extern "C" {
static void* BZ2AllocHook(void* /*opaque*/, int items, int size) {
  if (items <= 0 || size <= 0) return nullptr;
  const auto n = static_cast<unsigned long long>(items) * static_cast<unsigned long long>(size);
  if (n > static_cast<unsigned long long>(INT32_MAX)) return nullptr;
  return std::malloc(static_cast<size_t>(n));
}

static void BZ2FreeHook(void* /*opaque*/, void* block) { std::free(block); }
}

#ifdef TIVRA_BZ2_INTERNAL_ERROR_HOOK
// This libbz2 was built without its own error printing and leaves its
// internal-error hook to the program. The hook runs inside libbz2's C frames,
// where no exception may pass, and it has no context argument: it notes the
// number for the step running on this thread, and the step raises EBZip2Error
// once libbz2 has returned.
namespace {
struct TInternalErrorSlot {
  bool raised = false;
  int code = 0;
};
thread_local TInternalErrorSlot* tRunningStep = nullptr;
}  // namespace

extern "C" void bz_internal_error(int errcode) {
  if (tRunningStep != nullptr && !tRunningStep->raised) {
    tRunningStep->raised = true;
    tRunningStep->code = errcode;
  }
}
#endif

TCustomBZip2Stream::TCustomBZip2Stream(platform::TStream& source)
    : source_(source),
      sourcePosition_(source.Position()),
      buffer_(new char[kInputBufferSize]) {
  bz_.bzalloc = BZ2AllocHook;
  bz_.bzfree = BZ2FreeHook;
  bz_.opaque = nullptr;
  bz_.next_in = buffer_.get();
  bz_.avail_in = 0;
}

TCustomBZip2Stream::~TCustomBZip2Stream() = default;

int64_t TCustomBZip2Stream::TotalOut() const {
  return static_cast<int64_t>((static_cast<uint64_t>(bz_.total_out_hi32) << 32) |
                              bz_.total_out_lo32);
}

void TCustomBZip2Stream::Progress() {
  if (OnProgress) OnProgress(TotalOut());
}

TBZDecompressionStream::TBZDecompressionStream(platform::TStream& source)
    : TCustomBZip2Stream(source) {
  const int r = BZ2_bzDecompressInit(&bz_, 0, 0);
  if (r < 0) throw EBZDecompressionError(ErrorText(r));
  initialised_ = true;
}

TBZDecompressionStream::~TBZDecompressionStream() {
  if (initialised_) BZ2_bzDecompressEnd(&bz_);
}

bool TBZDecompressionStream::FillInput() {
  if (bz_.avail_in > 0) return true;
  const int64_t n = source_.Read(buffer_.get(), kInputBufferSize);
  if (n <= 0) return false;
  bz_.next_in = buffer_.get();
  bz_.avail_in = static_cast<unsigned>(n);
  sourcePosition_ = source_.Position();
  return true;
}

int TBZDecompressionStream::Step() {
#ifdef TIVRA_BZ2_INTERNAL_ERROR_HOOK
  TInternalErrorSlot slot;
  tRunningStep = &slot;
  const int r = BZ2_bzDecompress(&bz_);
  tRunningStep = nullptr;
  if (slot.raised) throw EBZip2Error("Compression Error " + std::to_string(slot.code));
#else
  const int r = BZ2_bzDecompress(&bz_);
#endif
  if (r < 0) throw EBZCompressionError(ErrorText(r));
  if (r == BZ_STREAM_END) streamEnded_ = true;
  return r;
}

int64_t TBZDecompressionStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const auto room = static_cast<unsigned>(count < kMaxReadChunk ? count : kMaxReadChunk);
  bz_.next_out = static_cast<char*>(buffer);
  bz_.avail_out = room;

  if (source_.Position() != sourcePosition_) source_.SetPosition(sourcePosition_);

  // Every pass either consumes input, puts out bytes or leaves the loop, so
  // the loop ends after at most (input bytes + room) passes.
  while (bz_.avail_out > 0) {
    if (!FillInput()) {
      // The source is exhausted. After the end of the stream that is the
      // clean end. Before it, libbz2 may still hold decoded bytes of its
      // current block; once it has none, the stream was cut short.
      if (streamEnded_) break;
      const unsigned before = bz_.avail_out;
      Step();
      Progress();
      if (streamEnded_ || bz_.avail_out != before) continue;
      if (bz_.avail_out < room) break;  // hand out what this call produced first
      throw EBZCompressionError(ErrorText(BZ_UNEXPECTED_EOF));
    }
    // Bytes after the end of the stream make this step answer libbz2's
    // sequence error: the container must end where the stream ends.
    const unsigned inBefore = bz_.avail_in;
    const unsigned outBefore = bz_.avail_out;
    const int r = Step();
    Progress();
    if (r == BZ_OK && bz_.avail_in == inBefore && bz_.avail_out == outBefore) {
      // libbz2 neither took input nor gave output: it cannot go on.
      throw EBZCompressionError(ErrorText(BZ_DATA_ERROR));
    }
  }
  return room - bz_.avail_out;
}

int64_t TBZDecompressionStream::Write(const void* /*buffer*/, int64_t /*count*/) {
  throw EBZDecompressionError("Invalid stream operation");
}

int64_t TBZDecompressionStream::Seek(int64_t offset, platform::SeekOrigin origin) {
  if (origin == platform::SeekOrigin::Current && offset >= 0) return TotalOut();
  throw EBZDecompressionError("Invalid stream operation");
}

}  // namespace setup
