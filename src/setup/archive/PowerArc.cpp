#include "setup/archive/PowerArc.h"

#include "setup/archive/DecompressThread.h"

namespace setup {

namespace {

const char kInvalidArchiveIndex[] = "Invalid acrhive index";
const char kInvalidStreamOperation[] = "Invalid stream operation";
const char kDecompressionFailed[] = "Decompression failed";

}  // namespace

TPowerArcDecompressStream::TPowerArcDecompressStream(const TModuleRegistry& registry,
                                                     platform::TStream& source)
    : source_(source) {
  char moduleId[POWERARC_MODULE_ID_LENGTH];
  int64_t got = 0;
  while (got < POWERARC_MODULE_ID_LENGTH) {
    const int64_t n = source_.Read(moduleId + got, POWERARC_MODULE_ID_LENGTH - got);
    if (n <= 0) break;
    got += n;
  }
  if (got < POWERARC_MODULE_ID_LENGTH) throw EPowerArcError(kInvalidArchiveIndex);

  const int index = registry.Find(moduleId);
  if (index < 0) throw EPowerArcError(kInvalidArchiveIndex);
  if (index == 0) {
    // The source now stands just past the identifier, where the bzip2
    // stream begins.
    inner_ = std::make_unique<TBZDecompressionStream>(source_);
    inner_->OnProgress = [this](int64_t total) {
      if (OnProgress) OnProgress(total);
    };
  } else {
    decompress_ = registry.Module(index).Decompress;
  }
  moduleIndex_ = index;
}

TPowerArcDecompressStream::~TPowerArcDecompressStream() {
  StopWorker();
  inner_.reset();
}

int64_t TPowerArcDecompressStream::Read(void* buffer, int64_t count) {
  int64_t result;
  if (moduleIndex_ == 0) {
    result = inner_->Read(buffer, count);
  } else {
    if (count <= 0) return 0;
    if (!thread_) StartWorker();
    result = ReadFromPipe(static_cast<char*>(buffer), count);
  }
  if (result > 0) {
    total_ += result;
    // The built-in module reports through its inner stream.
    if (moduleIndex_ != 0 && OnProgress) OnProgress(total_);
  }
  return result;
}

int64_t TPowerArcDecompressStream::ReadFromPipe(char* buffer, int64_t count) {
  int64_t got = 0;
  int64_t n = 0;
  while (got < count) {
    n = pipe_->Read(buffer + got, count - got);
    if (n <= 0) break;
    got += n;
    platform::Yield();
  }
  if (got > 0) return got;
  if (n == 0) {
    // The worker closed its end: it is past its decoder and about to finish.
    thread_->WaitFor();
    if (thread_->Failed()) throw EPowerArcError(kDecompressionFailed);
  }
  return -1;
}

void TPowerArcDecompressStream::StartWorker() {
  pipe_ = std::make_unique<platform::TAnonymousPipe>(platform::TAnonymousPipe::kDefaultBufferSize);
  thread_ = std::make_unique<TDecompressThread>(*this, decompress_);
  thread_->Start();
}

void TPowerArcDecompressStream::StopWorker() noexcept {
  if (!thread_) return;
  // With the read end gone, every further write of the decoder fails, so a
  // decoder that checks its writes stops; one that does not runs to the end
  // of its input. Either way the worker finishes and is joined here.
  pipe_->CloseReadEnd();
  thread_->WaitFor();
  thread_.reset();
  pipe_.reset();
}

int64_t TPowerArcDecompressStream::Write(const void* /*buffer*/, int64_t /*count*/) {
  throw EPowerArcError(kInvalidStreamOperation);
}

int64_t TPowerArcDecompressStream::Seek(int64_t offset, platform::SeekOrigin origin) {
  if (offset == 0 && origin == platform::SeekOrigin::Current) return total_;
  throw EPowerArcError(kInvalidStreamOperation);
}

int32_t TPowerArcDecompressStream::ModuleRead(void* buffer, int32_t count) noexcept {
  try {
    const int64_t n = source_.Read(buffer, count);
    if (n >= 0) return static_cast<int32_t>(n);
  } catch (...) {
  }
  // The source failed under the decoder: whatever the decoder makes of it,
  // the output is incomplete.
  thread_->MarkFailed();
  return -1;
}

int32_t TPowerArcDecompressStream::ModuleWrite(const void* buffer, int32_t count) noexcept {
  if (count < 0) return -1;
  return static_cast<int32_t>(pipe_->Write(buffer, count));
}

void TPowerArcDecompressStream::ModuleFinished() noexcept { pipe_->CloseWriteEnd(); }

}  // namespace setup
