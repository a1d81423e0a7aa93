#pragma once
// Failures of the operating-system services, raised as exceptions whose text
// is what the general error handler shows.
#include <stdexcept>
#include <string>

namespace platform {

// A file or folder could not be opened, read, written or created.
class EInOutError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that should hold a decimal integer does not.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform
