// The save and open dialogs on the headless back-end.
#include "forms/dialogs.h"

#include <optional>
#include <string>

#include "headless_fixture.h"

namespace {

class DialogsTest : public HeadlessTest {};

TEST_F(DialogsTest, SaveAddsTheDefaultExtensionOnlyToANameWithout) {
  forms::SaveDialog save(app);
  save.Request.DefaultExt = "txt";
  save.Request.InitialDir = "/opt/tivra/archiv/";
  save.Request.Filter = "Text (*.txt)|*.txt";
  backend().AnswerFileDialog("/opt/tivra/archiv/tikety");
  backend().AnswerFileDialog("/opt/tivra/archiv/tikety.dat");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/opt/tivra/archiv/tikety.txt");
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName, "/opt/tivra/archiv/tikety.dat");
  ASSERT_EQ(backend().FileDialogs.size(), 2u);
  EXPECT_EQ(backend().FileDialogs[0].Kind, forms::FileDialogKind::Save);
  EXPECT_EQ(backend().FileDialogs[0].InitialDir, "/opt/tivra/archiv/");
  EXPECT_EQ(backend().FileDialogs[0].Filter, "Text (*.txt)|*.txt");
}

TEST_F(DialogsTest, OpenTakesThePathAsChosen) {
  forms::OpenDialog open(app);
  open.Request.DefaultExt = "txt";
  backend().AnswerFileDialog("/tmp/tikety");
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName, "/tmp/tikety");
}

TEST_F(DialogsTest, CancelOrAnEmptyAnswerLeavesTheFileNameAlone) {
  forms::SaveDialog save(app);
  save.FileName = "/before.txt";
  backend().AnswerFileDialog(std::nullopt);
  backend().AnswerFileDialog("");
  EXPECT_FALSE(save.Execute());
  EXPECT_FALSE(save.Execute());
  EXPECT_FALSE(save.Execute()) << "no answer queued counts as cancel";
  EXPECT_EQ(save.FileName, "/before.txt");
}

struct ExtCase {
  const char* path;
  const char* ext;
  const char* result;
};

class DefaultExtTest : public testing::TestWithParam<ExtCase> {};

TEST_P(DefaultExtTest, AddsTheExtensionWhenTheNameHasNoDot) {
  EXPECT_EQ(forms::WithDefaultExt(GetParam().path, GetParam().ext), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Paths, DefaultExtTest,
                         testing::Values(ExtCase{"/a/b", "txt", "/a/b.txt"},
                                         ExtCase{"/a/b.txt", "txt", "/a/b.txt"},
                                         ExtCase{"/a.d/b", "txt", "/a.d/b.txt"},
                                         ExtCase{"b.", "txt", "b."},
                                         ExtCase{"/a/b", "", "/a/b"},
                                         ExtCase{"/a/", "txt", "/a/"}));

}  // namespace
