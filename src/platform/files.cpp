#include "platform/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/errors.h"

namespace platform {

std::string ExecutablePath() {
  char buf[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return {};
  return std::string(buf, static_cast<size_t>(n));
}

std::string ExtractFilePath(const std::string& path) {
  const auto pos = path.find_last_of('/');
  return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

std::string ExtractFileName(const std::string& path) {
  const auto pos = path.find_last_of('/');
  return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string IncludeTrailingDelimiter(const std::string& path) {
  if (!path.empty() && path.back() == '/') return path;
  return path + '/';
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CreateDir(const std::string& path) {
  return mkdir(path.c_str(), 0777) == 0;
}

bool ForceDirectories(const std::string& path) {
  std::string p = path;
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (p.empty()) return false;
  if (DirectoryExists(p)) return true;
  const std::string parent = ExtractFilePath(p);
  if (!parent.empty() && parent != p && !ForceDirectories(parent)) return false;
  return CreateDir(p) || DirectoryExists(p);
}

bool DeleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

int64_t FileSize(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  return static_cast<int64_t>(st.st_size);
}

std::string GetCurrentDir() {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return {};
  return buf;
}

bool SetCurrentDir(const std::string& path) { return chdir(path.c_str()) == 0; }

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInOutError("Cannot open file \"" + path + "\"");
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) throw EInOutError("Read error on file \"" + path + "\"");
  return ss.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EInOutError("Cannot create file \"" + path + "\"");
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  if (!out) throw EInOutError("Write error on file \"" + path + "\"");
}

}  // namespace platform
