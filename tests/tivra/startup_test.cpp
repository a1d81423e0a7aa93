#include <gtest/gtest.h>

#include "platform/cp1250.h"
#include "platform/files.h"
#include "tivra_program.h"

namespace tivra {
namespace {

using platform::W;
using Lines = std::vector<std::string>;

Lines Range(int from, int to) {
  Lines items;
  for (int n = from; n <= to; ++n) items.push_back(std::to_string(n));
  return items;
}

// The generator window's choices and hidden panels after the start-up.
void ExpectGeneratorFilled(TForm2& g) {
  EXPECT_EQ(g.ComboBox1.Items.Items(), (Lines{"Keno 10", "Loto 6-49", "Loto 5-35", W("Iné")}));
  EXPECT_EQ(g.ComboBox1.Text(), W("Iné"));
  EXPECT_EQ(g.ComboBox2.Items.Items(), Range(1, 10));
  EXPECT_EQ(g.ComboBox2.ItemIndex, 0);
  EXPECT_EQ(g.ComboBox3.Items.Items(), Range(30, 100));
  EXPECT_EQ(g.ComboBox3.Text(), "80");
  EXPECT_EQ(g.ComboBox4.Items.Items(),
            (Lines{W("Žiadny"), W("Filter 1: Zakázané čísla"), "Filter 2:Tutovky",
                   W("Filter 3:Párne čísla"), W("Filter 4:Nepárne čísla")}));
  EXPECT_EQ(g.ComboBox4.ItemIndex, 0);
  EXPECT_FALSE(g.Panel1.Visible);
  EXPECT_FALSE(g.Panel2.Visible);
  EXPECT_FALSE(g.Panel3.Visible);
  EXPECT_FALSE(g.StopRequested);
  EXPECT_EQ(g.Label10.Caption, "(max 30000)");
}

void ExpectStarted(testing::TivraProgram& p) {
  ExpectGeneratorFilled(p.Generator());
  EXPECT_EQ(p.app.Title, "Tivra 10");
  EXPECT_EQ(p.Menu().Caption, "Tivra 1.0");
  EXPECT_EQ(p.Generator().Caption, "Tivra 1.0");
  EXPECT_EQ(p.Language().Caption, "Tivra 1.0");
  EXPECT_TRUE(p.Menu().Visible());
  EXPECT_FALSE(p.Generator().Visible());
  EXPECT_FALSE(p.Language().Visible());
}

class StartUpTest : public ::testing::Test {
 protected:
  std::string LangIni() const { return folder.Path() + "/lang.ini"; }
  testing::TempFolder folder;
};

TEST_F(StartUpTest, FirstStartAsksForTheLanguageBeforeFillingTheLists) {
  testing::TivraProgram p(folder.Path());
  struct {
    bool asked = false, menu_shown = false, any_radio = true, czech_or_english = true;
    int games = -1;
    std::string hint, caption;
  } seen;
  p.backend->Post([&] {
    TForm3& l = p.Language();
    seen.asked = l.Visible() && l.Modal();
    seen.menu_shown = p.Menu().Visible();
    seen.any_radio = l.RadioButton1.Checked() || l.RadioButton2.Checked() || l.RadioButton3.Checked();
    seen.games = p.Generator().ComboBox1.Items.Count();
    seen.hint = p.Generator().Label10.Caption;
    seen.caption = l.Caption;
    l.RadioButton2.UserClick();  // shown, but cannot be chosen
    l.RadioButton3.UserClick();
    seen.czech_or_english = l.RadioButton2.Checked() || l.RadioButton3.Checked();
    l.RadioButton1.UserClick();
    l.Button1.Click();
  });
  p.app.Run();

  EXPECT_TRUE(seen.asked);
  EXPECT_TRUE(seen.menu_shown);
  EXPECT_FALSE(seen.any_radio);
  EXPECT_EQ(seen.games, 0);
  EXPECT_EQ(seen.hint, "(max 30000)");
  EXPECT_EQ(seen.caption, "Tivra");  // the design caption, not yet the program's
  EXPECT_FALSE(seen.czech_or_english);

  EXPECT_EQ(platform::ReadFileBytes(LangIni()), "[Lang]\r\nType=SK\r\n");
  ExpectStarted(p);
  EXPECT_TRUE(p.Language().RadioButton1.Checked());
  EXPECT_TRUE(p.backend->Messages.empty());
}

TEST_F(StartUpTest, StartUpSetsTheGeneratorsControlsToTheirStartState) {
  platform::WriteFileBytes(LangIni(), "[Lang]\r\nType=SK\r\n");
  testing::TivraProgram p(folder.Path());
  p.app.Run();
  TForm2& g = p.Generator();
  EXPECT_EQ(g.Edit1.Text, "100");
  EXPECT_FALSE(g.CheckBox1.Checked);
  EXPECT_FALSE(g.BitBtn3.Visible);
  EXPECT_EQ(g.BitBtn3.Glyph, "StopSign");
  EXPECT_EQ(g.Gauge1.Progress, 0);
  EXPECT_TRUE(g.TextListBox1.Items.Items().empty());
  for (forms::Control* c : g.Controls()) {
    SCOPED_TRACE(c->Name);
    EXPECT_TRUE(c->Enabled);
    if (c->Kind == forms::ControlKind::Edit && c->Name != "Edit1") {
      EXPECT_EQ(c->Caption, "");
    }
  }
}

TEST_F(StartUpTest, LaterStartsGoStraightToTheMainMenu) {
  // Any content counts: only the file's presence matters.
  for (const char* content : {"[Lang]\r\nType=SK\r\n", "", "not an ini file"}) {
    SCOPED_TRACE(content);
    platform::WriteFileBytes(LangIni(), content);
    testing::TivraProgram p(folder.Path());
    p.app.Run();  // a language form would stall the headless loop
    ExpectStarted(p);
    EXPECT_TRUE(p.Language().RadioButton1.Checked());
    EXPECT_EQ(platform::ReadFileBytes(LangIni()), content);
  }
}

TEST_F(StartUpTest, OkWithoutAChoiceWritesNothingAndTheFormComesBack) {
  {
    testing::TivraProgram p(folder.Path());
    p.backend->Post([&] { p.Language().Button1.Click(); });
    p.app.Run();
    ExpectStarted(p);
    EXPECT_FALSE(platform::FileExists(LangIni()));
  }
  testing::TivraProgram next(folder.Path());
  bool asked_again = false;
  next.backend->Post([&] {
    asked_again = next.Language().Visible();
    next.Language().Button1.Click();
  });
  next.app.Run();
  EXPECT_TRUE(asked_again);
}

TEST_F(StartUpTest, JazykShowsSlovakChosenAndRewritesOnlyItsKey) {
  platform::WriteFileBytes(LangIni(), "; player's note\r\n[Lang]\r\nType=EN\r\n[Other]\r\nKey=1\r\n");
  testing::TivraProgram p(folder.Path());
  p.app.Run();
  bool slovak_shown = false;
  p.backend->Post([&] {
    slovak_shown = p.Language().Visible() && p.Language().RadioButton1.Checked();
    p.Language().Button1.Click();
  });
  p.Menu().Button3.Click();
  EXPECT_TRUE(slovak_shown);
  EXPECT_FALSE(p.Language().Visible());
  EXPECT_EQ(platform::ReadFileBytes(LangIni()),
            "; player's note\r\n[Lang]\r\nType=SK\r\n[Other]\r\nKey=1\r\n");
}

TEST_F(StartUpTest, TheLanguageFormHasNoCloseBox) {
  testing::TivraProgram p(folder.Path());
  bool stays_open = false;
  p.backend->Post([&] {
    p.Language().UserClose();
    stays_open = p.Language().Visible();
    p.Language().Button1.Click();
  });
  p.app.Run();
  EXPECT_TRUE(stays_open);
}

// When "lang.ini" cannot be written, Ok shows why and closes the form anyway;
// the program goes on without a language file.
TEST_F(StartUpTest, UnwritableLanguageFileIsShownAndTheFormStillCloses) {
  struct Case {
    const char* what;
    std::string program_folder;
    bool lang_ini_is_folder;
  };
  for (const Case& c : {Case{"lang.ini is a folder", folder.Path() + "/a", true},
                        Case{"program folder missing", folder.Path() + "/missing", false}}) {
    SCOPED_TRACE(c.what);
    const std::string lang_ini = c.program_folder + "/lang.ini";
    if (c.lang_ini_is_folder) {
      ASSERT_TRUE(platform::ForceDirectories(lang_ini));
    }
    testing::TivraProgram p(c.program_folder);
    p.backend->Post([&] {
      p.Language().RadioButton1.UserClick();
      p.Language().Button1.Click();
    });
    p.app.Run();
    EXPECT_EQ(p.backend->Messages, Lines{"Unable to write to " + lang_ini});
    EXPECT_FALSE(platform::FileExists(lang_ini));
    ExpectStarted(p);
  }
}

}  // namespace
}  // namespace tivra
