#include "forms/fltk/Text.h"

#include <gtest/gtest.h>

#include "platform/cp1250.h"

namespace {

using platform::W;

TEST(TextTest, CaptionsBecomeUtf8) {
  EXPECT_EQ(forms::fltk::DisplayText(W("Počet čísel: Žiadny")), "Počet čísel: Žiadny");
}

// FLTK would draw "@..." as a symbol: labels it draws get the '@' doubled.
TEST(TextTest, WidgetLabelsEscapeSymbolMarks) {
  EXPECT_EQ(forms::fltk::WidgetLabel(W("a@b Ľ")), "a@@b Ľ");
}

TEST(TextTest, PlainCaptionsDropAcceleratorMarks) {
  EXPECT_EQ(forms::fltk::PlainCaption(W("&Uložiť")), "Uložiť");
  EXPECT_EQ(forms::fltk::PlainCaption("A && B&"), "A & B");
}

}  // namespace
