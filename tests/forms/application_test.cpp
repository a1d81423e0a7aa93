// The application object and the loops: the general error handler, closing,
// modal forms, and the headless back-end's queue.
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/form.h"
#include "headless_fixture.h"

namespace {

using Log = std::vector<std::string>;

class ApplicationTest : public HeadlessTest {
 protected:
  forms::Form& main = app.CreateForm<forms::Form>("TForm1");
};

// An exception in a handler shows its text once and abandons only that
// handler: the next click works as before.
TEST_F(ApplicationTest, ExceptionInAHandlerIsShownOnceAndTheProgramGoesOn) {
  forms::Button button{main, "Button1"};
  int runs = 0;
  button.OnClick = [&] {
    if (++runs == 1) throw std::runtime_error("'x' is not a valid integer value");
  };
  app.Title = "Tivra 10";
  main.Show();
  button.Click();
  button.Click();
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(backend().Messages, (Log{"'x' is not a valid integer value"}));
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(app.Terminated());
}

TEST_F(ApplicationTest, FailingOnCloseKeepsTheFormOpen) {
  main.OnClose = [](forms::CloseAction&) { throw std::runtime_error("Unable to write"); };
  main.Show();
  main.Close();
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(app.Terminated());
  EXPECT_EQ(backend().Messages, (Log{"Unable to write"}));
}

TEST_F(ApplicationTest, CloseActionNoneKeepsTheFormOpen) {
  main.OnClose = [](forms::CloseAction& action) { action = forms::CloseAction::None; };
  main.Show();
  main.Close();
  EXPECT_TRUE(main.Visible());
  EXPECT_FALSE(app.Terminated());
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheProgramButClosingAnotherDoesNot) {
  forms::Form& other = app.CreateForm<forms::Form>("TForm2");
  main.Show();
  other.Show();
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(app.Terminated());
  main.Close();
  EXPECT_FALSE(main.Visible());
  EXPECT_TRUE(app.Terminated());
}

TEST_F(ApplicationTest, CloseBoxIsIgnoredWithoutASystemMenu) {
  forms::Form& language = app.CreateForm<forms::Form>("TForm3");
  language.Icons.SystemMenu = false;
  int asked = 0;
  language.OnClose = [&](forms::CloseAction&) { ++asked; };
  language.Show();
  language.UserClose();
  EXPECT_TRUE(language.Visible());
  EXPECT_EQ(asked, 0);
  language.Close();  // closing from code still works
  EXPECT_FALSE(language.Visible());
}

TEST_F(ApplicationTest, RunShowsTheMainFormAndOnShowRunsOnEveryShow) {
  int shows = 0;
  main.OnShow = [&] { ++shows; };
  backend().Post([&] {
    main.Hide();
    main.Show();
  });
  app.Run();
  EXPECT_EQ(shows, 2);
  EXPECT_TRUE(main.Visible());
}

// A modal form shown from a modal form: each ShowModal returns only when its
// own form closes, innermost first, and the queued actions run in order.
TEST_F(ApplicationTest, NestedModalLoopsReturnInnermostFirst) {
  forms::Form& generator = app.CreateForm<forms::Form>("TForm2");
  forms::Form& language = app.CreateForm<forms::Form>("TForm3");
  Log log;
  forms::Button open{main, "Button1"}, nested{generator, "Button2"};
  open.OnClick = [&] {
    generator.ShowModal();
    log.push_back("generator returned");
  };
  nested.OnClick = [&] {
    language.ShowModal();
    log.push_back("language returned");
  };
  backend().Post([&] { open.Click(); });
  backend().Post([&] {
    EXPECT_TRUE(generator.Modal());
    nested.Click();
  });
  backend().Post([&] {
    log.push_back("closing language");
    language.Close();
  });
  backend().Post([&] {
    log.push_back("closing generator");
    generator.Close();
  });
  app.Run();
  EXPECT_EQ(log, (Log{"closing language", "language returned", "closing generator",
                      "generator returned"}));
  EXPECT_FALSE(generator.Modal());
  EXPECT_TRUE(main.Visible()) << "the main loop ends when the queue does";
}

// A modal form that nothing closes fails the test instead of hanging, and the
// general error handler does not swallow that.
TEST_F(ApplicationTest, ModalLoopWithNothingQueuedStalls) {
  forms::Form& dialog = app.CreateForm<forms::Form>("TForm3");
  forms::Button open{main, "Button3"};
  open.OnClick = [&] { dialog.ShowModal(); };
  main.Show();
  try {
    open.Click();
    FAIL() << "no stall";
  } catch (const forms::HeadlessStall& stall) {
    EXPECT_EQ(stall.form, "TForm3");
  }
  EXPECT_TRUE(backend().Messages.empty());
  EXPECT_FALSE(dialog.Modal()) << "the modal count unwinds with the loop";
}

// ProcessMessages runs what is due at that pump: an action posted with skip n
// runs at the (n+1)-th pump, one posted during a pump waits for a later one.
TEST_F(ApplicationTest, ProcessMessagesRunsTheActionsDueAtThatPump) {
  Log log;
  backend().Post([&] { log.push_back("skip 2"); }, 2);
  backend().Post([&] {
    log.push_back("skip 0");
    backend().Post([&] { log.push_back("posted during pump 1"); });
  });
  app.ProcessMessages();
  EXPECT_EQ(log, (Log{"skip 0"}));
  app.ProcessMessages();
  EXPECT_EQ(log, (Log{"skip 0", "posted during pump 1"}));
  app.ProcessMessages();
  EXPECT_EQ(log, (Log{"skip 0", "posted during pump 1", "skip 2"}));
  EXPECT_EQ(backend().Pumps, 3);
  EXPECT_FALSE(backend().HasPending());
}

// The stop button of a long run: a click that arrives during the run's pumps
// is seen by the run.
TEST_F(ApplicationTest, ClickDuringALongRunIsSeenByTheRun) {
  forms::Button start{main, "Button4"}, stop{main, "BitBtn3"};
  bool stop_requested = false;
  int made = 0;
  stop.OnClick = [&] { stop_requested = true; };
  start.OnClick = [&] {
    for (made = 0; made < 30000 && !stop_requested; ++made) app.ProcessMessages();
  };
  main.Show();
  backend().Post([&] { stop.Click(); }, 99);
  start.Click();
  EXPECT_EQ(made, 100);
}

// A back-end that records when it hears of shows.
class RecordingBackend : public forms::HeadlessBackend {
 public:
  explicit RecordingBackend(Log& log) : log_(log) {}
  void FormShown(forms::Form& form) override { log_.push_back("shown " + form.Name); }
  void FormShowFinished(forms::Form& form) override { log_.push_back("finished " + form.Name); }

 private:
  Log& log_;
};

// A window back-end maps a window only once its OnShow has run, so a modal
// form opened from the main form's OnShow comes up before the main form.
TEST(FormShowTest, BackEndHearsWhenOnShowHasRunAndTheFormStayedVisible) {
  Log log;
  forms::Application app(std::make_unique<RecordingBackend>(log), "/opt/tivra/tivra");
  forms::Form& main = app.CreateForm<forms::Form>("Form1");
  forms::Form& language = app.CreateForm<forms::Form>("Form3");
  auto& backend = static_cast<RecordingBackend&>(app.GetBackend());
  main.OnShow = [&] {
    log.push_back("OnShow Form1");
    backend.Post([&] { language.Close(); });
    language.ShowModal();
    log.push_back("modal returned");
  };
  language.OnShow = [&] { log.push_back("OnShow Form3"); };
  main.Show();
  EXPECT_EQ(log, (Log{"shown Form1", "OnShow Form1", "shown Form3", "OnShow Form3",
                      "finished Form3", "modal returned", "finished Form1"}));

  log.clear();
  language.OnShow = [&] { language.Hide(); };
  language.Show();
  EXPECT_EQ(log, (Log{"shown Form3"})) << "a form its OnShow hid is not finished showing";
}

struct PlaceCase {
  forms::FormPosition position;
  int left, top;
};

class FormPlacementTest : public HeadlessTest, public testing::WithParamInterface<PlaceCase> {};

// On the nominal 1024x768 desktop, a 130x183 main form centred on it, and
// a 341x444 form placed as asked.
TEST_P(FormPlacementTest, PlacesTheFormWhenShown) {
  forms::Form& main = app.CreateForm<forms::Form>("TForm1");
  main.ClientWidth = 130;
  main.ClientHeight = 183;
  main.Position = forms::FormPosition::DesktopCenter;
  forms::Form& form = app.CreateForm<forms::Form>("TForm2");
  form.ClientWidth = 341;
  form.ClientHeight = 444;
  form.Left = 5;
  form.Top = 6;
  form.Position = GetParam().position;
  main.Show();
  EXPECT_EQ(main.Left, 447);
  EXPECT_EQ(main.Top, 292);
  form.Show();
  EXPECT_EQ(form.Left, GetParam().left);
  EXPECT_EQ(form.Top, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Positions, FormPlacementTest,
                         testing::Values(PlaceCase{forms::FormPosition::Designed, 5, 6},
                                         PlaceCase{forms::FormPosition::DesktopCenter, 341, 162},
                                         PlaceCase{forms::FormPosition::MainFormCenter, 342,
                                                   162}));

}  // namespace
