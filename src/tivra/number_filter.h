#pragma once
// The number filters a generation run can apply, one at a time, in the order
// of the filter choice's items.
#include <string>
#include <vector>

namespace tivra {

enum class NumberFilter {
  None = 0,       // "Žiadny"
  Forbidden = 1,  // numbers of the last draw are refused
  Sure = 2,       // up to five sure numbers on every ticket
  Even = 3,       // even numbers only
  Odd = 4,        // odd numbers only
};

// Items of the filter choice, in NumberFilter order (Windows-1250).
std::vector<std::string> FilterItems();

constexpr int kStartFilterIndex = static_cast<int>(NumberFilter::None);

}  // namespace tivra
