#include "setup/package/PackageStaging.h"

#include <memory>

#include "setup/package/PackageErrors.h"
#include "setup/package/PackageTrailer.h"

namespace setup {

int BlockProgress(int64_t i, int64_t n) {
  if (n <= 0) return 0;
  // i * 100 / n = q + r / n, 0 <= r < n.
  const int64_t num = i * 100;
  int64_t q = num / n;
  const int64_t r = num % n;
  if (2 * r > n || (2 * r == n && (q % 2) != 0)) ++q;
  return static_cast<int>(q);
}

void CopyBlocks(platform::TStream& source, platform::TStream& target, int64_t count,
                const ProgressFn& progress) {
  if (count <= 0) return;
  const int64_t n = (count + kCopyBlockSize - 1) / kCopyBlockSize;
  const auto buffer = std::make_unique<char[]>(static_cast<size_t>(kCopyBlockSize));
  int64_t left = count;
  for (int64_t i = 1; i <= n; ++i) {
    const int64_t block = left < kCopyBlockSize ? left : kCopyBlockSize;
    source.ReadBuffer(buffer.get(), block);
    target.WriteBuffer(buffer.get(), block);
    left -= block;
    if (progress) progress(BlockProgress(i, n));
  }
}

void StageConfiguration(platform::TStream& setup_file, const PackageRange& range,
                        platform::TStream& target) {
  const int64_t size = setup_file.Seek(0, platform::SeekOrigin::End);
  const int64_t start = static_cast<int64_t>(range.Y) + 1;
  const int64_t count = range.S - start - kTrailerSize;
  if (range.Y < 0 || count < 0 || range.S > size)
    throw EPackageError("Package range: the configuration does not fit the setup file");
  setup_file.Seek(start, platform::SeekOrigin::Beginning);
  CopyBlocks(setup_file, target, count);
}

void StageConfiguration(const std::string& setup_path, const PackageRange& range,
                        const std::string& target_path) {
  platform::TFileStream source(setup_path, platform::FileMode::OpenRead);
  platform::TFileStream target(target_path, platform::FileMode::OpenWrite);
  StageConfiguration(source, range, target);
}

void StageContainer(platform::TStream& setup_file, int32_t X, int32_t Y,
                    platform::TStream& target, const ProgressFn& progress) {
  const int64_t size = setup_file.Seek(0, platform::SeekOrigin::End);
  if (X < 0 || Y < X || Y > size)
    throw EPackageError("Package range: the container does not fit the setup file");
  setup_file.Seek(X, platform::SeekOrigin::Beginning);
  CopyBlocks(setup_file, target, static_cast<int64_t>(Y) - X, progress);
}

void StageContainer(const std::string& setup_path, int32_t X, int32_t Y,
                    const std::string& target_path, const ProgressFn& progress) {
  platform::TFileStream source(setup_path, platform::FileMode::OpenRead);
  platform::TFileStream target(target_path, platform::FileMode::OpenWrite);
  StageContainer(source, X, Y, target, progress);
}

}  // namespace setup
