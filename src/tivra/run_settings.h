#pragma once
// What a generation run reads from the count and range choices.
#include <string>

namespace tivra {

struct RunSettings {
  int Count = 0;  // numbers per ticket, 1 to 10
  int Range = 0;  // R: tickets hold numbers from 1 to R
};

// The count is the count choice's index plus one; R is the range choice's
// text as an integer (EConvertError when it holds none, e.g. no selection).
RunSettings ReadRunSettings(int count_index, const std::string& range_text);

}  // namespace tivra
