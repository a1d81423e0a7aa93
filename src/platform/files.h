#pragma once
// Files and folders. Paths are host paths held as the program's own bytes; a
// folder path returned here always ends with '/'.
#include <cstdint>
#include <string>

namespace platform {

// Full path of the running executable.
std::string ExecutablePath();

// The folder part of a path, with its trailing '/' ("" when there is none).
std::string ExtractFilePath(const std::string& path);
// The name part of a path (after the last '/').
std::string ExtractFileName(const std::string& path);
// The path with a trailing '/' added when it lacks one.
std::string IncludeTrailingDelimiter(const std::string& path);

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates one folder; false when it cannot.
bool CreateDir(const std::string& path);
// Creates a folder and every missing parent; false when it cannot.
bool ForceDirectories(const std::string& path);
bool DeleteFile(const std::string& path);
// Size of a file in bytes, or -1 when it cannot be read.
int64_t FileSize(const std::string& path);

std::string GetCurrentDir();
bool SetCurrentDir(const std::string& path);

// The whole file as bytes; EInOutError when it cannot be read.
std::string ReadFileBytes(const std::string& path);
// Replaces the file with the bytes; EInOutError when it cannot be written.
void WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace platform
