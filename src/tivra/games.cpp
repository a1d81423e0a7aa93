#include "tivra/games.h"

#include "platform/cp1250.h"
#include "platform/convert.h"

namespace tivra {

std::vector<std::string> GameItems() {
  return {"Keno 10", "Loto 6-49", "Loto 5-35", platform::W("Iné")};
}

std::vector<std::string> CountItems() {
  std::vector<std::string> items;
  for (int n = 1; n <= 10; ++n) items.push_back(platform::IntToStr(n));
  return items;
}

std::vector<std::string> RangeItems() {
  std::vector<std::string> items;
  for (int top = 30; top <= 100; ++top) items.push_back(platform::IntToStr(top));
  return items;
}

std::optional<ChoiceIndexes> GamePreset(int game_index) {
  switch (game_index) {
    case static_cast<int>(GameKind::Keno10):
      return ChoiceIndexes{0, 50};  // 1 number of 1..80
    case static_cast<int>(GameKind::Loto649):
      return ChoiceIndexes{5, 19};  // 6 numbers of 1..49
    case static_cast<int>(GameKind::Loto535):
      return ChoiceIndexes{4, 5};  // 5 numbers of 1..35
    default:
      return std::nullopt;
  }
}

ChoiceIndexes ApplyGamePreset(int game_index, ChoiceIndexes current) {
  return GamePreset(game_index).value_or(current);
}

}  // namespace tivra
