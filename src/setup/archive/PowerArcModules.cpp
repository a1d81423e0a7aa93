#include "setup/archive/PowerArcModules.h"

#include <cstring>

namespace setup {

namespace {

// A module's option list and texts live in the module's memory; the copy
// stops at these bounds even when the list lacks its closing empty text.
constexpr int kMaxModuleOptions = 1024;
constexpr size_t kMaxOptionLength = 4096;

constexpr const char* kNoOptions[] = {""};

constexpr ModuleInfo kBuiltInModuleInfo = {
    POWERARC_MODULE_SIGNATURE,
    "BZIP",
    "BWT Compression engine\r\n"
    "Block-sorting compression after Burrows and Wheeler, decoded by libbz2.",
    kNoOptions,
    209,
    209,
    {'B', 'Z', 'I', 'P', '0', '0', '0', '1'},
};

std::vector<std::string> CopyOptions(const char* const* options) {
  std::vector<std::string> copy;
  if (options == nullptr) return copy;
  for (int i = 0; i < kMaxModuleOptions; ++i) {
    const char* text = options[i];
    if (text == nullptr || text[0] == '\0') break;
    copy.emplace_back(text, strnlen(text, kMaxOptionLength));
  }
  return copy;
}

template <typename Proc>
Proc EntryOf(const platform::TModuleLibrary& library, const char* name) {
  return reinterpret_cast<Proc>(library.Entry(name));
}

}  // namespace

const ModuleInfo& BuiltInModuleInfo() { return kBuiltInModuleInfo; }

TModuleRegistry::TModuleRegistry() {
  TPowerArcModule builtIn;
  builtIn.Info = &kBuiltInModuleInfo;
  builtIn.Options = CopyOptions(kBuiltInModuleInfo.Options);
  modules_.push_back(std::move(builtIn));
}

TModuleRegistry::~TModuleRegistry() { Clear(); }

void TModuleRegistry::LoadOptionalModules() {
  for (const char* name : kOptionalModuleNames) LoadModule(name);
}

int TModuleRegistry::LoadModule(const std::string& fileName) {
  platform::TModuleLibrary library(fileName);
  if (!library.Loaded()) return -1;

  const auto getInfo = EntryOf<GetPowerArcModuleInfoProc>(library, "GetPowerArcModuleInfo");
  if (getInfo == nullptr) return -1;  // the library is released on the way out
  const ModuleInfo* info = getInfo();
  if (info == nullptr) return -1;

  // The identifier is compared while the library, which holds it, is still
  // loaded.
  const int existing = Find(info->ModuleId);
  if (existing >= 0) return existing;

  TPowerArcModule module;
  module.SetOptions = EntryOf<PowerArcUnusedProc>(library, "SetOptions");
  module.Compress = EntryOf<PowerArcUnusedProc>(library, "Compress");
  module.CompressMem = EntryOf<PowerArcUnusedProc>(library, "CompressMem");
  module.Decompress = EntryOf<PowerArcDecompressProc>(library, "Decompress");
  const bool signatureFits =
      info->Signature != nullptr && std::strcmp(info->Signature, POWERARC_MODULE_SIGNATURE) == 0;
  if (!signatureFits || module.SetOptions == nullptr || module.Compress == nullptr ||
      module.CompressMem == nullptr || module.Decompress == nullptr) {
    return -1;
  }

  module.Name = fileName;
  module.Info = info;
  module.Options = CopyOptions(info->Options);
  module.Handle = std::move(library);
  modules_.push_back(std::move(module));
  return Count() - 1;
}

int TModuleRegistry::Find(const char* moduleId) const {
  for (size_t i = 0; i < modules_.size(); ++i) {
    const ModuleInfo* info = modules_[i].Info;
    if (info != nullptr &&
        std::memcmp(info->ModuleId, moduleId, POWERARC_MODULE_ID_LENGTH) == 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void TModuleRegistry::Clear() {
  // Entries are dropped before their libraries go, so no entry ever points
  // into a released library.
  std::vector<TPowerArcModule> modules = std::move(modules_);
  modules_.clear();
  for (TPowerArcModule& module : modules) {
    module.Info = nullptr;
    module.Options.clear();
    module.Handle.Release();
  }
}

}  // namespace setup
