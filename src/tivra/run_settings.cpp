#include "tivra/run_settings.h"

#include "platform/convert.h"

namespace tivra {

RunSettings ReadRunSettings(int count_index, const std::string& range_text) {
  return RunSettings{count_index + 1, platform::StrToInt(range_text)};
}

}  // namespace tivra
