#include "forms/strings.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// Appending changes the revision only, which is what lets a window append the
// new lines instead of rebuilding a list of 30000.
TEST(StringsTest, AddChangesRevisionButIsNoRewrite) {
  forms::Strings s;
  s.Add("a");
  s.Add("b");
  EXPECT_EQ(s.Revision(), 2u);
  EXPECT_EQ(s.Rewrites(), 0u);
  EXPECT_EQ(s.Count(), 2);
  EXPECT_EQ(s[1], "b");
}

struct RewriteCase {
  const char* what;
  std::function<void(forms::Strings&)> change;
};

class StringsRewriteTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(StringsRewriteTest, EveryOtherChangeIsARewrite) {
  forms::Strings s;
  s.Add("a");
  s.Add("b");
  const uint64_t revision = s.Revision(), rewrites = s.Rewrites();
  GetParam().change(s);
  EXPECT_GT(s.Revision(), revision);
  EXPECT_GT(s.Rewrites(), rewrites);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, StringsRewriteTest,
    testing::Values(RewriteCase{"Clear", [](forms::Strings& s) { s.Clear(); }},
                    RewriteCase{"Set", [](forms::Strings& s) { s.Set(0, "x"); }},
                    RewriteCase{"Delete", [](forms::Strings& s) { s.Delete(1); }},
                    RewriteCase{"Assign", [](forms::Strings& s) { s.Assign({"a", "b", "c"}); }}),
    [](const testing::TestParamInfo<RewriteCase>& info) { return info.param.what; });

TEST(StringsTest, ClearingAnEmptyListChangesNothing) {
  forms::Strings s;
  s.Clear();
  EXPECT_EQ(s.Revision(), 0u);
  EXPECT_EQ(s.Rewrites(), 0u);
}

TEST(StringsTest, IndexOfFindsTheFirstEqualLine) {
  forms::Strings s;
  s.Assign({"x", "y", "x"});
  EXPECT_EQ(s.IndexOf("x"), 0);
  EXPECT_EQ(s.IndexOf("y"), 1);
  EXPECT_EQ(s.IndexOf("z"), -1);
}

}  // namespace
