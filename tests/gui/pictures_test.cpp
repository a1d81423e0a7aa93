#include "forms/fltk/PictureBook.h"
#include "forms/fltk/Pictures.h"

#include <FL/Fl_Image.H>
#include <gtest/gtest.h>

namespace {

struct PictureCase {
  const char* name;
  int w, h;  // 0: any size
};

class PictureTest : public testing::TestWithParam<PictureCase> {};

TEST_P(PictureTest, IsCompiledInWithItsSize) {
  forms::fltk::PictureBook book;
  Fl_Image* picture = book.Find(GetParam().name);
  ASSERT_NE(picture, nullptr);
  EXPECT_GT(picture->w(), 0);
  EXPECT_GT(picture->h(), 0);
  if (GetParam().w) {
    EXPECT_EQ(picture->w(), GetParam().w);
    EXPECT_EQ(picture->h(), GetParam().h);
  }
  EXPECT_EQ(book.Find(GetParam().name), picture) << "made once and kept";
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureTest,
                         testing::Values(PictureCase{"MainMenu", 113, 137},
                                         PictureCase{"LanguageBackground", 121, 153},
                                         PictureCase{"StopSign", 15, 15},
                                         PictureCase{"Background", 0, 0},
                                         PictureCase{"PanelBackground", 0, 0}));

TEST(PictureBookTest, UnknownAndEmptyNamesGiveNothing) {
  forms::fltk::PictureBook book;
  EXPECT_EQ(book.Find("NoSuchPicture"), nullptr);
  EXPECT_EQ(book.Find(""), nullptr);
  EXPECT_EQ(forms::fltk::PictureXpm("mainmenu"), nullptr) << "names are exact";
}

}  // namespace
