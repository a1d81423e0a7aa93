#pragma once
// The ticket generator built headless, with its program file in a temporary
// folder of the test's own.
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "forms/application.h"
#include "forms/headless.h"
#include "platform/files.h"
#include "tivra/Unit1.h"
#include "tivra/Unit2.h"
#include "tivra/Unit3.h"
#include "tivra/tivra_forms.h"

namespace tivra::testing {

// A fresh folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tivra_test_XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The program as the entry makes it, on the headless back-end, with the
// program file at `<folder>/tivra`.
struct TivraProgram {
  explicit TivraProgram(const std::string& folder)
      : backend(new forms::HeadlessBackend),
        app(std::unique_ptr<forms::Backend>(backend), folder + "/tivra"),
        windows(CreateTivraForms(app)) {}

  forms::HeadlessBackend* backend;  // owned by app
  forms::Application app;
  TivraForms windows;

  TForm1& Menu() { return windows.Form1; }
  TForm2& Generator() { return windows.Form2; }
  TForm3& Language() { return windows.Form3; }

  // Opens the generator window from the main menu, runs `inside` while it is
  // shown, then closes it with its close box.
  template <class F>
  void InGenerator(F inside) {
    // skip 1: the menu's own message pump comes first; the action waits for
    // the window's modal loop.
    backend->Post(
        [this, inside] {
          inside();
          Generator().UserClose();
        },
        1);
    Menu().Button1.Click();
  }
};

// The program started as on any later start: a language file is present, so
// the main window comes up without the language form.
class StartedTivraTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::WriteFileBytes(folder.Path() + "/lang.ini", "[Lang]\r\nType=SK\r\n");
    program.app.Run();
  }
  TempFolder folder;
  TivraProgram program{folder.Path()};
};

}  // namespace tivra::testing
