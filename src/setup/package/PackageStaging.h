#pragma once
// The two staging copies: the configuration text (offsets Y+1 to
// S-401) into TempDir + "install.dat", and the container (offsets X to Y-1)
// into TempDir + "data.cab.datt". Both copy in blocks of 32720 bytes through
// one buffer into a target that start-up has already created: the target is
// opened for writing without being created (a missing target is a failure).
#include <cstdint>
#include <functional>
#include <string>

#include "platform/stream.h"
#include "setup/package/PackageRanges.h"

namespace setup {

inline constexpr int64_t kCopyBlockSize = 32720;
inline constexpr const char* kStagedConfigName = "install.dat";
inline constexpr const char* kStagedContainerName = "data.cab.datt";

// Progress of a copy after block i of n: the nearest whole number to
// i / n * 100, halves to the even neighbour, computed exactly in integers.
// n <= 0 gives 0.
int BlockProgress(int64_t i, int64_t n);

// Configuration staging: copies C = S - (Y+1) - 400 bytes from offset Y+1 of
// the setup file into the target. A negative C, or a range that passes the
// file's end, raises setup::EPackageError before anything is written; a
// short read or a failing write raises platform::EInOutError.
void StageConfiguration(platform::TStream& setup_file, const PackageRange& range,
                        platform::TStream& target);
// The same on files: the setup file opened read-only (shared), the target
// opened with platform::FileMode::OpenWrite (must exist).
void StageConfiguration(const std::string& setup_path, const PackageRange& range,
                        const std::string& target_path);

using ProgressFn = std::function<void(int)>;

// Container staging: copies Y - X bytes from offset X of the setup file into
// the target, calling progress (when set) after each block with
// BlockProgress(i, n). An empty container copies nothing and reports nothing.
// X < 0, Y < X or Y beyond the file's end raise setup::EPackageError before
// anything is written.
void StageContainer(platform::TStream& setup_file, int32_t X, int32_t Y,
                    platform::TStream& target, const ProgressFn& progress = {});
void StageContainer(const std::string& setup_path, int32_t X, int32_t Y,
                    const std::string& target_path, const ProgressFn& progress = {});

// Copies count bytes from the source's current position to the target's in
// blocks of 32720 bytes through one buffer, calling progress after block i
// of n with BlockProgress(i, n). Used by both stagings and by payload
// cutting. A short read raises platform::EInOutError.
void CopyBlocks(platform::TStream& source, platform::TStream& target, int64_t count,
                const ProgressFn& progress = {});

}  // namespace setup
