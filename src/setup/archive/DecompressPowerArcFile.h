#pragma once
// Decompression of a PowerArc container file into a new file, the way the
// setup turns a staged container into its working payload.
#include <cstdint>
#include <string>

#include "setup/archive/PowerArcModules.h"
#include "setup/archive/bzLib.h"

namespace setup {

// Opens sourcePath, creates outputPath anew, and copies the decoded bytes
// across in blocks of 4096 until the stream's Read returns 0 or less;
// progress, when set, gets the running total. Returns the bytes written.
// Stream failures raise EPowerArcError or EBZip2Error, file failures
// EInOutError; the output file may then be incomplete.
int64_t DecompressPowerArcFile(const TModuleRegistry& registry, const std::string& sourcePath,
                               const std::string& outputPath,
                               const TProgressEvent& progress = {});

}  // namespace setup
