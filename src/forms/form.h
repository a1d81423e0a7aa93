#pragma once
// A window of the form model: caption, client size, border, placement and the
// controls it owns. Show makes it visible; ShowModal runs a nested message
// loop that returns when the form is closed.
#include <functional>
#include <string>
#include <vector>

#include "forms/controls.h"
#include "forms/graphics.h"

namespace forms {

class Application;

enum class FormPosition { Designed, DesktopCenter, MainFormCenter };

struct BorderIcons {
  bool SystemMenu = true;  // the system menu with its close box
  bool Minimize = false;
  bool Maximize = false;
};

enum class CloseAction { None, Hide };

class Form {
 public:
  Form(Application& app, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& App() const { return app_; }
  const std::string Name;

  std::string Caption;
  int ClientWidth = 300, ClientHeight = 200;
  TColor Color = colors::BtnFace;
  TFont Font;
  BorderIcons Icons;
  FormPosition Position = FormPosition::Designed;
  std::string Picture;  // background picture over the client area, if any
  int Left = 0, Top = 0;  // screen position, set when the form is placed

  // Runs every time the form becomes visible.
  std::function<void()> OnShow;
  // Runs when the form is asked to close; setting the action to None keeps it open.
  std::function<void(CloseAction&)> OnClose;

  bool Visible() const { return visible_; }
  bool Modal() const { return modal_depth_ > 0; }
  void Show();
  // Shows the form and runs a nested loop until it closes.
  void ShowModal();
  void Hide();
  // Asks the form to close (OnClose decides).
  void Close();
  // The user's close box; ignored when the form has none.
  void UserClose();

  const std::vector<Control*>& Controls() const { return controls_; }
  Control* FindControl(const std::string& name) const;

 private:
  friend class Control;
  void Register(Control* c) { controls_.push_back(c); }
  void Place();

  Application& app_;
  std::vector<Control*> controls_;
  bool visible_ = false;
  int modal_depth_ = 0;
};

}  // namespace forms
