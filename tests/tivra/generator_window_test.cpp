#include <gtest/gtest.h>

#include "platform/files.h"
#include "tivra_program.h"

namespace tivra {
namespace {

class GeneratorWindowTest : public testing::StartedTivraTest {
 protected:
  TForm2& g = program.Generator();
};

TEST_F(GeneratorWindowTest, MenuEmptiesTheListThenOpensTheWindowModally) {
  g.TextListBox1.Items.Add("00001>   7");
  g.TextListBox1.Items.Add("00002>   9");
  struct {
    int lines_at_pump = -1;
    bool shown_at_pump = true;
    bool modal = false;
    int lines_inside = -1;
  } seen;
  // Runs at the menu's message pump, before the window is shown.
  program.backend->Post([&] {
    seen.lines_at_pump = g.TextListBox1.Items.Count();
    seen.shown_at_pump = g.Visible();
  });
  program.InGenerator([&] {
    seen.modal = g.Visible() && g.Modal();
    seen.lines_inside = g.TextListBox1.Items.Count();
    g.TextListBox1.Items.Add("00001>   1,2,3");
  });
  EXPECT_EQ(seen.lines_at_pump, 0);
  EXPECT_FALSE(seen.shown_at_pump);
  EXPECT_TRUE(seen.modal);
  EXPECT_EQ(seen.lines_inside, 0);
  EXPECT_FALSE(g.Visible());
  // The list keeps its lines once closed, and is emptied at the next opening.
  EXPECT_EQ(g.TextListBox1.Items.Count(), 1);
  int lines_second_time = -1;
  program.InGenerator([&] { lines_second_time = g.TextListBox1.Items.Count(); });
  EXPECT_EQ(lines_second_time, 0);
}

// Both ways of closing release the input lock and hide the draw-check panel.
TEST_F(GeneratorWindowTest, ClosingReleasesTheLockAndHidesTheCheckPanel) {
  const std::vector<std::string> lock{"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4",
                                      "Button1",   "Button2",   "Button3",   "Button4",
                                      "Button7",   "Button8",   "Button10"};
  for (bool by_button : {true, false}) {
    SCOPED_TRACE(by_button ? "Zatvoriť" : "close box");
    bool closed = false;
    program.backend->Post(
        [&] {
          g.Panel1.Visible = true;
          for (const std::string& name : lock)
            if (!(by_button && name == "Button2")) g.FindControl(name)->Enabled = false;
          if (by_button)
            g.Button2.Click();
          else
            g.UserClose();
          closed = !g.Visible();
        },
        1);
    program.Menu().Button1.Click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(g.Panel1.Visible);
    for (const std::string& name : lock) EXPECT_TRUE(g.FindControl(name)->Enabled) << name;
    EXPECT_TRUE(program.Menu().Visible());
  }
}

TEST_F(GeneratorWindowTest, ClosingTheMainMenuEndsTheProgram) {
  program.Menu().UserClose();
  EXPECT_FALSE(program.Menu().Visible());
  EXPECT_TRUE(program.app.Terminated());
}

}  // namespace
}  // namespace tivra
