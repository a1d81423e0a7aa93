#include "platform/module_library.h"

#include <dlfcn.h>

#include <utility>

namespace platform {

TModuleLibrary::TModuleLibrary(const std::string& fileName) {
  // RTLD_LOCAL keeps one module's entries from answering look-ups made in
  // another; RTLD_NOW makes a library with unresolved symbols fail here,
  // not half-way through a decompression.
  if (!fileName.empty()) handle_ = dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

TModuleLibrary::~TModuleLibrary() { Release(); }

TModuleLibrary::TModuleLibrary(TModuleLibrary&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

TModuleLibrary& TModuleLibrary::operator=(TModuleLibrary&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

void* TModuleLibrary::Entry(const char* name) const {
  if (handle_ == nullptr || name == nullptr) return nullptr;
  return dlsym(handle_, name);
}

void TModuleLibrary::Release() {
  if (handle_ != nullptr) dlclose(std::exchange(handle_, nullptr));
}

}  // namespace platform
