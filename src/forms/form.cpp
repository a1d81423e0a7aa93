#include "forms/form.h"

#include "forms/application.h"

namespace forms {

Form::Form(Application& app, std::string name) : Name(std::move(name)), app_(app) {}

Control* Form::FindControl(const std::string& name) const {
  for (Control* c : controls_)
    if (c->Name == name) return c;
  return nullptr;
}

// Screen placement on a nominal 1024x768 desktop; a window back-end may
// re-centre on the real screen.
void Form::Place() {
  constexpr int kDesktopWidth = 1024, kDesktopHeight = 768;
  const Form* main = app_.MainForm();
  if (Position == FormPosition::DesktopCenter || (Position == FormPosition::MainFormCenter &&
                                                  (!main || main == this))) {
    Left = (kDesktopWidth - ClientWidth) / 2;
    Top = (kDesktopHeight - ClientHeight) / 2;
  } else if (Position == FormPosition::MainFormCenter) {
    Left = main->Left + (main->ClientWidth - ClientWidth) / 2;
    Top = main->Top + (main->ClientHeight - ClientHeight) / 2;
  }
}

void Form::Show() {
  if (visible_) return;
  Place();
  visible_ = true;
  app_.GetBackend().FormShown(*this);
  if (OnShow) app_.Dispatch(OnShow);
  if (visible_) app_.GetBackend().FormShowFinished(*this);
}

void Form::ShowModal() {
  Show();
  ++modal_depth_;
  try {
    app_.GetBackend().RunModal(*this);
  } catch (...) {
    --modal_depth_;
    throw;
  }
  --modal_depth_;
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  app_.GetBackend().FormHidden(*this);
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) {
    bool handled = false;
    app_.Dispatch([&] {
      OnClose(action);
      handled = true;
    });
    if (!handled) return;  // a failing close handler keeps the form open
  }
  if (action == CloseAction::None) return;
  Hide();
  if (this == app_.MainForm()) app_.Terminate();
}

void Form::UserClose() {
  if (visible_ && Icons.SystemMenu) Close();
}

}  // namespace forms
