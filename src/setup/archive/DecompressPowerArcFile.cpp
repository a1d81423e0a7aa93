#include "setup/archive/DecompressPowerArcFile.h"

#include <vector>

#include "platform/stream.h"
#include "setup/archive/PowerArc.h"

namespace setup {

namespace {
constexpr int64_t kBlockSize = 4096;
}

int64_t DecompressPowerArcFile(const TModuleRegistry& registry, const std::string& sourcePath,
                               const std::string& outputPath, const TProgressEvent& progress) {
  platform::TFileStream source(sourcePath, platform::FileMode::OpenRead);
  platform::TFileStream output(outputPath, platform::FileMode::Create);
  std::vector<char> block(kBlockSize);
  int64_t written = 0;
  {
    TPowerArcDecompressStream stream(registry, source);
    stream.OnProgress = progress;
    for (;;) {
      const int64_t n = stream.Read(block.data(), kBlockSize);
      if (n <= 0) break;
      output.WriteBuffer(block.data(), n);
      written += n;
    }
  }  // the stream goes before the files close
  return written;
}

}  // namespace setup
