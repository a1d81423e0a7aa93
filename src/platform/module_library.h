#pragma once
// Loading of a shared library by file name and look-up of its entries by
// name. A plain name ("PowerRANK.dll") goes through the system's library
// search; a name holding a '/' is taken as a path. The name is used exactly
// as given: nothing is added to it.
#include <string>

namespace platform {

class TModuleLibrary {
 public:
  TModuleLibrary() = default;
  // Loads the library; Loaded() tells whether it worked.
  explicit TModuleLibrary(const std::string& fileName);
  ~TModuleLibrary();

  TModuleLibrary(TModuleLibrary&& other) noexcept;
  TModuleLibrary& operator=(TModuleLibrary&& other) noexcept;
  TModuleLibrary(const TModuleLibrary&) = delete;
  TModuleLibrary& operator=(const TModuleLibrary&) = delete;

  bool Loaded() const { return handle_ != nullptr; }
  // Address of the named entry, or nullptr when the library has none.
  void* Entry(const char* name) const;
  // Releases the library; the object is empty afterwards.
  void Release();

 private:
  void* handle_ = nullptr;
};

}  // namespace platform
