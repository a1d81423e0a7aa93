#pragma once
// Failures of the package readers: a trailer field that
// cannot be read, a range that does not fit the file, a byte range of the
// payload that does not fit the payload. Input/output failures stay
// platform::EInOutError; a configuration value that is not a number (or a
// count out of bounds) stays platform::EConvertError.
#include <stdexcept>

namespace setup {

class EPackageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace setup
