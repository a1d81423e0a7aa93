#pragma once
// Byte streams: the base every reader and decoder stream derives from, a file
// stream and a memory stream. Sizes and counts are 64-bit; a Read returns the
// number of bytes delivered (0 at the end, negative where a stream says so).
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

enum class SeekOrigin { Beginning, Current, End };

class TStream {
 public:
  virtual ~TStream() = default;
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  virtual int64_t Seek(int64_t offset, SeekOrigin origin) = 0;

  int64_t Position() { return Seek(0, SeekOrigin::Current); }
  void SetPosition(int64_t pos) { Seek(pos, SeekOrigin::Beginning); }
  // Reads exactly count bytes or raises EInOutError.
  void ReadBuffer(void* buffer, int64_t count);
  // Writes exactly count bytes or raises EInOutError.
  void WriteBuffer(const void* buffer, int64_t count);
};

enum class FileMode {
  OpenRead,        // existing file, read only; others may read and write it
  OpenWrite,       // existing file, write only, not truncated, not created
  OpenReadWrite,   // existing file, read and write
  Create,          // created anew (or emptied), read and write
};

// A file on disk. Opening failures raise EInOutError.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, FileMode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  int64_t Size();
  const std::string& FileName() const { return path_; }

 private:
  std::string path_;
  int fd_ = -1;
};

// A growable block of memory.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string bytes) : data_(std::move(bytes)) {}
  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, SeekOrigin origin) override;
  const std::string& Bytes() const { return data_; }

 private:
  std::string data_;
  int64_t pos_ = 0;
};

}  // namespace platform
