#pragma once
// The registry of compression modules: the built-in bzip2 module as entry 0
// and the module libraries loaded after it, in loading order. The setup makes
// one registry when it starts, hands it to every container stream it opens,
// and tears it down when it ends; the registry must outlive those streams.
#include <array>
#include <string>
#include <vector>

#include "platform/module_library.h"
#include "setup/archive/PowerArcModuleApi.h"

namespace setup {

// The built-in module's description of itself ("BZIP", identifier "BZIP0001").
const ModuleInfo& BuiltInModuleInfo();

// One registered module. The built-in module has an empty Name, no library
// and no entry points.
struct TPowerArcModule {
  std::string Name;                 // the library's file name as loaded
  platform::TModuleLibrary Handle;  // keeps the library loaded
  const ModuleInfo* Info = nullptr;
  std::vector<std::string> Options;
  PowerArcUnusedProc SetOptions = nullptr;
  PowerArcUnusedProc Compress = nullptr;
  PowerArcUnusedProc CompressMem = nullptr;
  PowerArcDecompressProc Decompress = nullptr;
};

class TModuleRegistry {
 public:
  // The module libraries tried at start, in this order.
  static constexpr std::array<const char*, 3> kOptionalModuleNames = {
      "PowerRANK.dll", "PowerZIP.dll", "PowerPPM.dll"};

  // Registers the built-in module as entry 0; loads no library.
  TModuleRegistry();
  // Releases every library and empties the registry.
  ~TModuleRegistry();
  TModuleRegistry(const TModuleRegistry&) = delete;
  TModuleRegistry& operator=(const TModuleRegistry&) = delete;

  // Tries each of kOptionalModuleNames; absent or unfit libraries are
  // skipped.
  void LoadOptionalModules();
  // Loads one module library by file name: the new entry's index, the index
  // of the entry that already has the library's module identifier (the
  // library is released again), or -1 when the library cannot be loaded or
  // is no fit module (it is released).
  int LoadModule(const std::string& fileName);

  // Index of the first entry whose identifier equals the 8 bytes at
  // moduleId, or -1.
  int Find(const char* moduleId) const;
  int Count() const { return static_cast<int>(modules_.size()); }
  // The entry at index (0 <= index < Count()).
  const TPowerArcModule& Module(int index) const { return modules_.at(static_cast<size_t>(index)); }

  // Tear-down: releases every library, drops every option list, empties the
  // registry (the built-in entry too).
  void Clear();

 private:
  std::vector<TPowerArcModule> modules_;
};

}  // namespace setup
