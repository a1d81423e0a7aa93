#include "forms/application.h"

#include "platform/files.h"

namespace forms {

Application::Application(std::unique_ptr<Backend> backend, std::string exe_name)
    : backend_(std::move(backend)),
      exe_name_(exe_name.empty() ? platform::ExecutablePath() : std::move(exe_name)) {}

Application::~Application() = default;

void Application::Run() {
  if (!main_form_ || terminated_) return;
  main_form_->Show();
  backend_->RunMain(*this);
}

void Application::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    HandleException(e);
  }
}

void Application::HandleException(const std::exception& e) { ShowMessage(e.what()); }

void Application::ShowMessage(const std::string& text) { backend_->ShowMessage(text, Title); }

}  // namespace forms
