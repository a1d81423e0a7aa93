#pragma once
// The window back-end on FLTK. Every form that is shown becomes a real window
// drawn from the model; the user's clicks and keys become the same User* and
// Click calls a headless test makes, so the model runs every handler itself.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "forms/backend.h"

namespace forms {

namespace fltk {
class Desktop;
}

class FltkBackend : public Backend {
 public:
  FltkBackend();
  ~FltkBackend() override;
  FltkBackend(const FltkBackend&) = delete;
  FltkBackend& operator=(const FltkBackend&) = delete;

  void FormShown(Form& form) override;
  void FormShowFinished(Form& form) override;
  void FormHidden(Form& form) override;
  void RunModal(Form& form) override;
  void RunMain(Application& app) override;
  // Polls the window system at most about every 10 ms and otherwise returns
  // at once, so that a long loop calling it per step stays fast.
  void ProcessMessages() override;
  void ShowMessage(const std::string& text, const std::string& title) override;
  std::optional<std::string> RunFileDialog(const FileDialogRequest& request) override;

 private:
  std::unique_ptr<fltk::Desktop> desktop_;
  int64_t last_poll_ms_ = 0;
};

}  // namespace forms
