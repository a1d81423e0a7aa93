#pragma once
// The headless back-end: no display. Tests drive the model through the same
// User* calls a window back-end makes, queue actions for the message loops,
// answer file dialogs and read the message boxes that were shown.
//
// Loops: a modal loop (and the main loop) runs queued actions one by one until
// its form closes; a modal loop with nothing queued throws HeadlessStall,
// which the error handler does not catch, so a test that forgot to script a
// dialog fails instead of hanging. The main loop simply returns when nothing is
// queued. ProcessMessages runs the actions that are due at that call.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/backend.h"

namespace forms {

struct HeadlessStall {
  std::string form;
};

class HeadlessBackend : public Backend {
 public:
  // Runs the action at a later pump: after `skip` further ProcessMessages
  // calls (0: the next one), or as the next step of a waiting loop.
  void Post(std::function<void()> action, int skip = 0);
  // Answers the next file dialog: a path, or nothing to cancel.
  void AnswerFileDialog(std::optional<std::string> path);

  // Texts of the message boxes shown, oldest first (Windows-1250).
  std::vector<std::string> Messages;
  // The file dialogs that were run, oldest first.
  std::vector<FileDialogRequest> FileDialogs;
  // How often ProcessMessages was called.
  long Pumps = 0;
  bool HasPending() const { return !queue_.empty(); }

  void FormShown(Form& form) override;
  void FormHidden(Form& form) override;
  void RunModal(Form& form) override;
  void RunMain(Application& app) override;
  void ProcessMessages() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  std::optional<std::string> RunFileDialog(const FileDialogRequest& request) override;

 private:
  struct Pending {
    std::function<void()> action;
    int skip;
  };
  void RunNext();

  std::deque<Pending> queue_;
  std::deque<std::optional<std::string>> dialog_answers_;
};

}  // namespace forms
