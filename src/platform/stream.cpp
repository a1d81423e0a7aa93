#include "platform/stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/errors.h"

namespace platform {

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count > 0 && Read(buffer, count) != count) throw EInOutError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count > 0 && Write(buffer, count) != count) throw EInOutError("Stream write error");
}

TFileStream::TFileStream(const std::string& path, FileMode mode) : path_(path) {
  int flags = O_CLOEXEC;
  switch (mode) {
    case FileMode::OpenRead: flags |= O_RDONLY; break;
    case FileMode::OpenWrite: flags |= O_WRONLY; break;
    case FileMode::OpenReadWrite: flags |= O_RDWR; break;
    case FileMode::Create: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
  }
  fd_ = ::open(path.c_str(), flags, 0666);
  if (fd_ < 0) {
    throw EInOutError(std::string(mode == FileMode::Create ? "Cannot create file \""
                                                            : "Cannot open file \"") +
                      path + "\". " + std::strerror(errno));
  }
  struct stat st {};
  if (fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    throw EInOutError("Cannot open file \"" + path + "\". Is a directory");
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  if (count <= 0) return 0;
  int64_t done = 0;
  auto* p = static_cast<char*>(buffer);
  while (done < count) {
    const ssize_t n = ::read(fd_, p + done, static_cast<size_t>(count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw EInOutError("Read error on file \"" + path_ + "\"");
    }
    if (n == 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  int64_t done = 0;
  const auto* p = static_cast<const char*>(buffer);
  while (done < count) {
    const ssize_t n = ::write(fd_, p + done, static_cast<size_t>(count - done));
    if (n < 0) {
      if (errno == EINTR) continue;
      throw EInOutError("Write error on file \"" + path_ + "\"");
    }
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, SeekOrigin origin) {
  const int whence = origin == SeekOrigin::Beginning ? SEEK_SET
                     : origin == SeekOrigin::Current ? SEEK_CUR
                                                     : SEEK_END;
  const off_t r = ::lseek(fd_, static_cast<off_t>(offset), whence);
  if (r < 0) throw EInOutError("Seek error on file \"" + path_ + "\"");
  return r;
}

int64_t TFileStream::Size() {
  struct stat st {};
  if (fstat(fd_, &st) != 0) throw EInOutError("Cannot read size of \"" + path_ + "\"");
  return st.st_size;
}

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t size = static_cast<int64_t>(data_.size());
  if (count <= 0 || pos_ >= size) return 0;
  const int64_t n = std::min(count, size - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<size_t>(n));
  pos_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const auto end = static_cast<size_t>(pos_ + count);
  if (end > data_.size()) data_.resize(end);
  std::memcpy(data_.data() + pos_, buffer, static_cast<size_t>(count));
  pos_ += count;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, SeekOrigin origin) {
  const int64_t base = origin == SeekOrigin::Beginning ? 0
                       : origin == SeekOrigin::Current ? pos_
                                                       : static_cast<int64_t>(data_.size());
  if (base + offset < 0) throw EInOutError("Seek before the start of a memory stream");
  pos_ = base + offset;
  return pos_;
}

}  // namespace platform
