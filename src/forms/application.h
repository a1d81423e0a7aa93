#pragma once
// The application object: owns the forms (the first one made is the main
// window), runs the message loop through its back-end, and is the general
// error handler: an exception escaping an event handler shows its text in a
// plain message box and the action is abandoned.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "forms/backend.h"
#include "forms/form.h"

namespace forms {

class Application {
 public:
  // exe_name: the path of the program file (the running executable by default).
  explicit Application(std::unique_ptr<Backend> backend, std::string exe_name = {});
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  std::string Title;

  // Makes a form owned by the application: new T(*this, args...).
  template <class T, class... Args>
  T& CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(*this, std::forward<Args>(args)...);
    T& ref = *form;
    forms_.push_back(std::move(form));
    if (!main_form_) main_form_ = &ref;
    return ref;
  }
  Form* MainForm() const { return main_form_; }

  // Shows the main form and runs the loop until it closes.
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  void ProcessMessages() { backend_->ProcessMessages(); }

  const std::string& ExeName() const { return exe_name_; }

  // Runs a handler; an exception escaping it is shown and swallowed.
  void Dispatch(const std::function<void()>& handler);
  void HandleException(const std::exception& e);

  // Plain message box with one OK button, titled with the application title.
  void ShowMessage(const std::string& text);

  Backend& GetBackend() { return *backend_; }

 private:
  std::unique_ptr<Backend> backend_;
  std::string exe_name_;
  std::vector<std::unique_ptr<Form>> forms_;
  Form* main_form_ = nullptr;
  bool terminated_ = false;
};

}  // namespace forms
