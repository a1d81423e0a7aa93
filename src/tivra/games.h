#pragma once
// The game catalogue of the generator window: the four games, the items of
// the game, count and range choices, and the count and range each game
// presets.
#include <optional>
#include <string>
#include <vector>

namespace tivra {

// Index of a game in the game choice.
enum class GameKind { Keno10 = 0, Loto649 = 1, Loto535 = 2, Ine = 3 };

// Selections of the count choice and the range choice, by item index.
struct ChoiceIndexes {
  int Count = 0;
  int Range = 0;
  friend bool operator==(const ChoiceIndexes&, const ChoiceIndexes&) = default;
};

// Items of the game choice, in GameKind order (Windows-1250).
std::vector<std::string> GameItems();
// Items of the count choice: "1" to "10"; item i stands for i + 1 numbers.
std::vector<std::string> CountItems();
// Items of the range choice: "30" to "100"; item i stands for 1 to 30 + i.
std::vector<std::string> RangeItems();

// Selections made when the generator window's lists are first filled:
// game "Iné", count "1", range "80".
constexpr int kStartGameIndex = static_cast<int>(GameKind::Ine);
constexpr int kStartCountIndex = 0;
constexpr int kStartRangeIndex = 50;

// The count and range a game presets; nothing for "Iné" (and for an index
// outside the catalogue), which leaves both as they are.
std::optional<ChoiceIndexes> GamePreset(int game_index);

// The selections after the player picked the game: its preset, or `current`
// unchanged when the game has none.
ChoiceIndexes ApplyGamePreset(int game_index, ChoiceIndexes current);

}  // namespace tivra
