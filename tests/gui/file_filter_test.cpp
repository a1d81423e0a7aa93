#include "forms/fltk/FileFilter.h"

#include <gtest/gtest.h>

#include "platform/cp1250.h"

namespace {

using forms::fltk::ChooserFilter;

struct FilterCase {
  const char* model;  // UTF-8 source, turned into Windows-1250
  const char* chooser;
};

class ChooserFilterTest : public testing::TestWithParam<FilterCase> {};

TEST_P(ChooserFilterTest, ConvertsToTabSeparatedDescriptionsWithPatterns) {
  EXPECT_EQ(ChooserFilter(platform::W(GetParam().model)), GetParam().chooser);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ChooserFilterTest,
    testing::Values(
        FilterCase{"Text files (*.txt)|*.txt|All files (*.*)|*.*",
                   "Text files (*.txt)\tAll files (*)"},
        FilterCase{"Tikety|*.txt", "Tikety (*.txt)"},
        FilterCase{"Texty (*.txt;*.log)|*.txt; *.log", "Texty ({*.txt,*.log})"},
        FilterCase{"Všetky súbory|*.txt;*.*", "Všetky súbory (*)"},
        FilterCase{"|*.txt", "*.txt (*.txt)"},
        FilterCase{"Text (*.txt)|*.txt|Dangling", "Text (*.txt)"},
        FilterCase{"", ""}));

}  // namespace
