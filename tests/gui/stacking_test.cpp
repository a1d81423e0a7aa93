#include "forms/fltk/Stacking.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/form.h"
#include "forms/headless.h"

namespace {

std::vector<std::string> Names(const std::vector<forms::Control*>& controls) {
  std::vector<std::string> names;
  for (const forms::Control* c : controls) names.push_back(c->Name);
  return names;
}

class StackingTest : public testing::Test {
 protected:
  forms::Application app{std::make_unique<forms::HeadlessBackend>(), "/tmp/x"};
  forms::Form form{app, "TForm1"};
};

// A panel made before the labels of its form still lies above them, a label
// inside the panel below the panel's buttons, and each parent comes before
// its children.
TEST_F(StackingTest, WindowedControlsLieAboveGraphicOnesOfTheSameParent) {
  forms::Panel panel{form, "Panel1"};
  forms::Button inner_button{form, "Button2", &panel};
  forms::Label inner_label{form, "Label2", &panel};
  forms::Button button{form, "Button1"};
  forms::Label label{form, "Label1"};
  forms::Image image{form, "Image1"};
  forms::Gauge gauge{form, "Gauge1"};

  EXPECT_EQ(Names(forms::fltk::BuildOrder(form.Controls())),
            (std::vector<std::string>{"Label1", "Image1", "Gauge1", "Panel1", "Label2",
                                      "Button2", "Button1"}));
}

TEST_F(StackingTest, ControlWhoseParentIsNotListedIsATopControl) {
  forms::Panel panel{form, "Panel1"};
  forms::Label inner{form, "Label1", &panel};
  forms::Button top{form, "Button1"};
  EXPECT_EQ(Names(forms::fltk::BuildOrder({&inner, &top})),
            (std::vector<std::string>{"Label1", "Button1"}));
}

}  // namespace
