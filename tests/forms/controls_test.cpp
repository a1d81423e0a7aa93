// The controls' user calls: what the user's input does to the model and which
// handlers it fires.
#include <functional>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "headless_fixture.h"

namespace {

class ControlsTest : public HeadlessTest {
 protected:
  ControlsTest() { form.Show(); }
  forms::Form& form = app.CreateForm<forms::Form>("TForm1");
};

// Setting ItemIndex from code must never fire OnChange: a game preset that
// followed a selection made by code would overwrite the player's settings.
TEST_F(ControlsTest, ComboBoxOnChangeFiresOnlyForTheUsersChoice) {
  forms::ComboBox combo{form, "ComboBox1"};
  combo.Items.Assign({"Keno 10", "Loto 6-49", "Loto 5-35"});
  std::vector<int> changes;
  combo.OnChange = [&] { changes.push_back(combo.ItemIndex); };

  combo.ItemIndex = 2;
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(combo.Text(), "Loto 5-35");

  combo.UserSelect(1);
  combo.UserSelect(1);  // picking the shown item again is a choice too
  combo.UserSelect(3);  // no such item: ignored
  combo.UserSelect(-1);
  EXPECT_EQ(changes, (std::vector<int>{1, 1}));
  EXPECT_EQ(combo.ItemIndex, 1);
}

TEST_F(ControlsTest, ComboBoxTextIsEmptyWithoutAValidSelection) {
  forms::ComboBox combo{form, "ComboBox1"};
  combo.Items.Add("a");
  combo.ItemIndex = 5;
  EXPECT_EQ(combo.Text(), "");
}

// Radio buttons with the same parent form one group; another parent is
// another group, and checking from code fires nothing.
TEST_F(ControlsTest, RadioButtonsFormOneGroupPerParent) {
  forms::Panel panel{form, "Panel1"};
  forms::RadioButton a{form, "RadioButton1"}, b{form, "RadioButton2"};
  forms::RadioButton c{form, "RadioButton3", &panel}, d{form, "RadioButton4", &panel};
  int clicks = 0;
  b.OnClick = [&] { ++clicks; };

  a.SetChecked(true);
  c.SetChecked(true);
  EXPECT_EQ(clicks, 0);
  b.UserClick();
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(a.Checked());
  EXPECT_TRUE(b.Checked());
  EXPECT_TRUE(c.Checked()) << "a radio button in a panel is in another group";
  EXPECT_FALSE(d.Checked());

  d.SetChecked(true);
  EXPECT_FALSE(c.Checked());
  EXPECT_TRUE(b.Checked());
}

TEST_F(ControlsTest, ClickingACheckedRadioButtonKeepsItChecked) {
  forms::RadioButton a{form, "RadioButton1"};
  a.UserClick();
  a.UserClick();
  EXPECT_TRUE(a.Checked());
}

TEST_F(ControlsTest, CheckBoxClickTogglesThenFires) {
  forms::CheckBox box{form, "CheckBox1"};
  std::vector<bool> seen;
  box.OnClick = [&] { seen.push_back(box.Checked); };
  box.UserClick();
  box.UserClick();
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}

// Every kind of user input, tried on a control the user cannot reach.
struct Probe {
  const char* what;
  std::function<bool(forms::Form&, forms::Control* parent, std::function<void(forms::Control&)>)> run;
};

// Makes the control, lets `block` make it unreachable, applies the user's
// input and tells whether anything happened.
template <class C>
bool TryInput(forms::Form& form, forms::Control* parent,
              const std::function<void(forms::Control&)>& block,
              const std::function<void(C&)>& wire, const std::function<void(C&)>& input,
              const std::function<bool(C&)>& changed) {
  C control{form, "Probe", parent};
  bool fired = false;
  wire(control);
  if constexpr (requires { control.OnClick; }) {
    if (!control.OnClick) control.OnClick = [&] { fired = true; };
  }
  if constexpr (requires { control.OnChange; }) {
    if (!control.OnChange) control.OnChange = [&] { fired = true; };
  }
  block(control);
  input(control);
  return fired || changed(control);
}

const std::vector<Probe>& Probes() {
  static const std::vector<Probe> probes = {
      {"Button.Click",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::Button>(f, p, block, [](auto&) {}, [](auto& c) { c.Click(); },
                                        [](auto&) { return false; });
       }},
      {"Edit.UserSetText",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::Edit>(f, p, block, [](auto&) {},
                                      [](auto& c) { c.UserSetText("12"); },
                                      [](auto& c) { return !c.Text.empty(); });
       }},
      {"Edit.UserKeyPress",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::Edit>(f, p, block, [](auto&) {},
                                      [](auto& c) { c.UserKeyPress('7'); },
                                      [](auto& c) { return !c.Text.empty(); });
       }},
      {"CheckBox.UserClick",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::CheckBox>(f, p, block, [](auto&) {},
                                          [](auto& c) { c.UserClick(); },
                                          [](auto& c) { return c.Checked; });
       }},
      {"RadioButton.UserClick",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::RadioButton>(f, p, block, [](auto&) {},
                                             [](auto& c) { c.UserClick(); },
                                             [](auto& c) { return c.Checked(); });
       }},
      {"ComboBox.UserSelect",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::ComboBox>(
             f, p, block, [](auto& c) { c.Items.Add("a"); }, [](auto& c) { c.UserSelect(0); },
             [](auto& c) { return c.ItemIndex != -1; });
       }},
      {"ListBox.UserSelect",
       [](forms::Form& f, forms::Control* p, auto block) {
         return TryInput<forms::TextListBox>(
             f, p, block, [](auto& c) { c.Items.Add("a"); }, [](auto& c) { c.UserSelect(0); },
             [](auto& c) { return c.ItemIndex != -1; });
       }},
  };
  return probes;
}

struct Block {
  const char* what;
  bool in_panel;
  std::function<void(forms::Form&, forms::Panel&, forms::Control&)> apply;
};

const std::vector<Block>& Blocks() {
  static const std::vector<Block> blocks = {
      {"hidden", false, [](auto&, auto&, forms::Control& c) { c.Visible = false; }},
      {"disabled", false, [](auto&, auto&, forms::Control& c) { c.Enabled = false; }},
      {"parent hidden", true, [](auto&, forms::Panel& p, auto&) { p.Visible = false; }},
      {"parent disabled", true, [](auto&, forms::Panel& p, auto&) { p.Enabled = false; }},
      {"form hidden", false, [](forms::Form& f, auto&, auto&) { f.Hide(); }},
  };
  return blocks;
}

// Each case gets a form of its own, so that no form lists a control of an
// earlier case that is gone.
TEST_F(ControlsTest, UnreachableControlsIgnoreUserInput) {
  for (const Probe& probe : Probes()) {
    {
      // Reachable, the input does something: the probe itself works.
      forms::Form& fresh = app.CreateForm<forms::Form>("TProbe");
      fresh.Show();
      forms::Panel panel{fresh, "Panel1"};
      EXPECT_TRUE(probe.run(fresh, &panel, [](forms::Control&) {})) << probe.what;
    }
    for (const Block& block : Blocks()) {
      forms::Form& fresh = app.CreateForm<forms::Form>("TProbe");
      fresh.Show();
      forms::Panel panel{fresh, "Panel1"};
      const bool reacted = probe.run(fresh, block.in_panel ? &panel : nullptr,
                                     [&](forms::Control& c) { block.apply(fresh, panel, c); });
      EXPECT_FALSE(reacted) << probe.what << " when " << block.what;
    }
  }
}

TEST_F(ControlsTest, EditUserSetTextCutsToMaxLengthAndFires) {
  forms::Edit edit{form, "Edit1"};
  edit.MaxLength = 5;
  int changes = 0;
  edit.OnChange = [&] { ++changes; };
  edit.UserSetText("1234567");
  EXPECT_EQ(edit.Text, "12345");
  EXPECT_EQ(changes, 1);
}

TEST_F(ControlsTest, ReadOnlyEditIgnoresTheUser) {
  forms::Edit edit{form, "Edit1"};
  edit.ReadOnly = true;
  edit.UserSetText("1");
  edit.UserKeyPress('2');
  EXPECT_EQ(edit.Text, "");
}

// The key handler may swallow a key (set it to 0) or change it; backspace
// removes the last character; a full field takes no more characters.
TEST_F(ControlsTest, EditKeyPressGoesThroughTheKeyHandler) {
  forms::Edit edit{form, "Edit1"};
  edit.MaxLength = 3;
  edit.OnKeyPress = [](char& key) {
    if (key == 'x') key = 0;
    if (key == 'a') key = 'A';
  };
  int changes = 0;
  edit.OnChange = [&] { ++changes; };
  for (char key : {'1', 'x', 'a', '\b', '2', '3', '4'}) edit.UserKeyPress(key);
  EXPECT_EQ(edit.Text, "123");
  EXPECT_EQ(changes, 5);  // '1', 'a', backspace, '2', '3'
}

TEST_F(ControlsTest, FailingKeyHandlerSwallowsTheKeyAndIsReported) {
  forms::Edit edit{form, "Edit1"};
  edit.OnKeyPress = [](char&) { throw std::runtime_error("bad key"); };
  edit.UserKeyPress('1');
  EXPECT_EQ(edit.Text, "");
  EXPECT_EQ(backend().Messages, (std::vector<std::string>{"bad key"}));
}

TEST_F(ControlsTest, ListBoxSelectionFiresOnClick) {
  forms::ListBox list{form, "ListBox1"};
  list.Items.Assign({"English", "Slovensky"});
  int clicks = 0;
  list.OnClick = [&] { ++clicks; };
  list.ItemIndex = 0;  // from code: nothing fires
  list.UserSelect(1);
  list.UserSelect(2);  // past the end: ignored
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.ItemIndex, 1);
}

struct GaugeCase {
  int min, max, progress, percent;
};

class GaugePercentTest : public HeadlessTest, public testing::WithParamInterface<GaugeCase> {};

TEST_P(GaugePercentTest, PercentOfTheRangeClampedToZeroAndHundred) {
  forms::Form& form = app.CreateForm<forms::Form>("TForm1");
  forms::Gauge gauge{form, "Gauge1"};
  gauge.MinValue = GetParam().min;
  gauge.MaxValue = GetParam().max;
  gauge.Progress = GetParam().progress;
  EXPECT_EQ(gauge.PercentDone(), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(Ranges, GaugePercentTest,
                         testing::Values(GaugeCase{0, 100, 0, 0}, GaugeCase{0, 30000, 29999, 99},
                                         GaugeCase{0, 30000, 30000, 100},
                                         GaugeCase{50, 150, 100, 50}, GaugeCase{0, 100, 150, 100},
                                         GaugeCase{0, 100, -5, 0}, GaugeCase{10, 10, 10, 0},
                                         GaugeCase{0, 2000000000, 1000000000, 50}));

TEST_F(ControlsTest, PositionsAddUpThroughNestedParents) {
  forms::Panel outer{form, "Panel1"};
  forms::GroupBox inner{form, "GroupBox1", &outer};
  forms::Button button{form, "Button1", &inner};
  outer.SetBounds(32, 10, 200, 200);
  inner.SetBounds(5, 6, 100, 100);
  button.SetBounds(7, 8, 75, 25);
  EXPECT_EQ(button.FormLeft(), 44);
  EXPECT_EQ(button.FormTop(), 24);
  EXPECT_EQ(form.FindControl("Button1"), &button);
  EXPECT_EQ(form.FindControl("Button9"), nullptr);
}

}  // namespace
