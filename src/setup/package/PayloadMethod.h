#pragma once
// How the payload is carried in the package, and where the package lies.

namespace setup {

enum class PayloadMethod { Stored, Lzrw1Blocks, PowerArc };

enum class PackageSource { Embedded, SideFiles };

}  // namespace setup
