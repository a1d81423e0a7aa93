#include "forms/headless.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

void HeadlessBackend::Post(std::function<void()> action, int skip) {
  queue_.push_back({std::move(action), skip < 0 ? 0 : skip});
}

void HeadlessBackend::AnswerFileDialog(std::optional<std::string> path) {
  dialog_answers_.push_back(std::move(path));
}

void HeadlessBackend::FormShown(Form&) {}
void HeadlessBackend::FormHidden(Form&) {}

void HeadlessBackend::RunNext() {
  Pending p = std::move(queue_.front());
  queue_.pop_front();
  p.action();
}

void HeadlessBackend::RunModal(Form& form) {
  while (form.Visible() && !form.App().Terminated()) {
    if (queue_.empty()) throw HeadlessStall{form.Name};
    RunNext();
  }
}

void HeadlessBackend::RunMain(Application& app) {
  while (app.MainForm()->Visible() && !app.Terminated() && !queue_.empty()) RunNext();
}

void HeadlessBackend::ProcessMessages() {
  ++Pumps;
  // Only the actions that were already due when this pump began run now;
  // an action posted by one of them waits for a later pump.
  std::deque<Pending> due;
  for (auto it = queue_.begin(); it != queue_.end();) {
    if (it->skip == 0) {
      due.push_back(std::move(*it));
      it = queue_.erase(it);
    } else {
      --it->skip;
      ++it;
    }
  }
  for (auto& p : due) p.action();
}

void HeadlessBackend::ShowMessage(const std::string& text, const std::string&) {
  Messages.push_back(text);
}

std::optional<std::string> HeadlessBackend::RunFileDialog(const FileDialogRequest& request) {
  FileDialogs.push_back(request);
  if (dialog_answers_.empty()) return std::nullopt;
  auto answer = std::move(dialog_answers_.front());
  dialog_answers_.pop_front();
  return answer;
}

}  // namespace forms
