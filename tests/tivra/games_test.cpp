#include <gtest/gtest.h>

#include "platform/errors.h"
#include "platform/files.h"
#include "tivra/games.h"
#include "tivra/run_settings.h"
#include "tivra_program.h"

namespace tivra {
namespace {

// What each game presets, read back as the texts the player sees.
TEST(GamePresetTest, EachGameSelectsItsCountAndRangeTexts) {
  const auto counts = CountItems();
  const auto ranges = RangeItems();
  struct Row {
    GameKind game;
    const char* count;
    const char* range;
  };
  for (const Row& row : {Row{GameKind::Keno10, "1", "80"}, Row{GameKind::Loto649, "6", "49"},
                         Row{GameKind::Loto535, "5", "35"}}) {
    SCOPED_TRACE(static_cast<int>(row.game));
    const ChoiceIndexes chosen = ApplyGamePreset(static_cast<int>(row.game), ChoiceIndexes{7, 3});
    EXPECT_EQ(counts.at(static_cast<size_t>(chosen.Count)), row.count);
    EXPECT_EQ(ranges.at(static_cast<size_t>(chosen.Range)), row.range);
  }
}

TEST(GamePresetTest, IneAndUnknownGamesLeaveTheChoicesAlone) {
  const ChoiceIndexes current{7, 3};
  for (int game : {static_cast<int>(GameKind::Ine), -1, 4}) {
    SCOPED_TRACE(game);
    EXPECT_EQ(ApplyGamePreset(game, current), current);
  }
}

TEST(RunSettingsTest, CountIsIndexPlusOneAndRangeIsTheText) {
  const RunSettings start = ReadRunSettings(kStartCountIndex, RangeItems().at(kStartRangeIndex));
  EXPECT_EQ(start.Count, 1);
  EXPECT_EQ(start.Range, 80);
}

TEST(RunSettingsTest, RangeWithoutSelectionIsAConversionError) {
  EXPECT_THROW(ReadRunSettings(0, ""), platform::EConvertError);
}

// The presets through the window: only the player's own choice applies them.
using GeneratorPresetTest = testing::StartedTivraTest;

TEST_F(GeneratorPresetTest, PickingGamesByHandAppliesTheirPresets) {
  TForm2& g = program.Generator();
  std::vector<std::pair<std::string, std::string>> seen;
  program.InGenerator([&] {
    for (int game : {1, 0, 3, 2}) {
      g.ComboBox1.UserSelect(game);
      seen.emplace_back(g.ComboBox2.Text(), g.ComboBox3.Text());
    }
  });
  const std::vector<std::pair<std::string, std::string>> expected{
      {"6", "49"},  // Loto 6-49
      {"1", "80"},  // Keno 10 after Loto 6-49
      {"1", "80"},  // Iné afterwards leaves them
      {"5", "35"},  // Loto 5-35
  };
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(program.backend->Messages.empty());
}

// The game never locks the choices; the largest count and range read as 10
// numbers from 1 to 100.
TEST_F(GeneratorPresetTest, PlayerMayChangeCountAndRangeAfterAGame) {
  TForm2& g = program.Generator();
  program.InGenerator([&] {
    g.ComboBox1.UserSelect(1);
    g.ComboBox2.UserSelect(9);
    g.ComboBox3.UserSelect(70);
  });
  const RunSettings settings = ReadRunSettings(g.ComboBox2.ItemIndex, g.ComboBox3.Text());
  EXPECT_EQ(settings.Count, 10);
  EXPECT_EQ(settings.Range, 100);
  EXPECT_EQ(g.ComboBox1.Text(), "Loto 6-49");
}

}  // namespace
}  // namespace tivra
