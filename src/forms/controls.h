#pragma once
// The controls of the form model. A control holds all of its state here; a
// window back-end only draws it and turns the user's input into the User*
// calls below, which are the same calls a headless test makes. Handlers run
// through Application::Dispatch, so an exception escaping one is shown in a
// message box and the program goes on.
#include <functional>
#include <string>

#include "forms/graphics.h"
#include "forms/strings.h"

namespace forms {

class Form;

enum class ControlKind {
  Label, Button, BitBtn, Edit, CheckBox, RadioButton, ComboBox, ListBox,
  TextListBox, Panel, GroupBox, Image, Separator, Gauge, ProgressBar, Memo,
  RichEdit,
};

class Control {
 public:
  // Registers the control with its form; parent is the panel or group box it
  // sits in (null: the form itself). Positions are relative to the parent.
  Control(Form& owner, std::string name, ControlKind kind, Control* parent = nullptr);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string Name;
  const ControlKind Kind;
  Form& Owner() const { return owner_; }
  Control* Parent = nullptr;

  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  std::string Caption;  // Windows-1250; the text of edits and lists too
  TFont Font;
  TColor Color = colors::BtnFace;
  bool Transparent = false;

  void SetBounds(int left, int top, int width, int height) {
    Left = left, Top = top, Width = width, Height = height;
  }
  // Visible, and every parent visible.
  bool Showing() const;
  // Showing, enabled, and every parent enabled: the user can reach it.
  bool Reachable() const;
  // Position in the form's client area.
  int FormLeft() const;
  int FormTop() const;

 protected:
  // Runs a handler through the application's error handler.
  void Fire(const std::function<void()>& handler) const;

 private:
  Form& owner_;
};

class Label : public Control {
 public:
  Label(Form& f, std::string name, Control* parent = nullptr);
  bool AutoSize = true;
};

class Button : public Control {
 public:
  Button(Form& f, std::string name, Control* parent = nullptr);
  std::function<void()> OnClick;
  // The user's click; nothing happens when the button cannot be reached.
  void Click();
 protected:
  Button(Form& f, std::string name, ControlKind kind, Control* parent);
};

// A button with a picture (Glyph names one of the program's own pictures).
class BitBtn : public Button {
 public:
  BitBtn(Form& f, std::string name, Control* parent = nullptr);
  std::string Glyph;
};

class Edit : public Control {
 public:
  Edit(Form& f, std::string name, Control* parent = nullptr);
  std::string& Text = Caption;
  bool ReadOnly = false;
  int MaxLength = 0;  // 0: no limit
  std::function<void()> OnChange;
  // The key handler may change the key or set it to 0 to swallow it.
  std::function<void(char& key)> OnKeyPress;
  // The user replaces the whole text (typing or pasting).
  void UserSetText(const std::string& text);
  // The user types one character at the end of the text.
  void UserKeyPress(char key);
};

class CheckBox : public Control {
 public:
  CheckBox(Form& f, std::string name, Control* parent = nullptr);
  bool Checked = false;
  std::function<void()> OnClick;
  void UserClick();
};

// Radio buttons with the same parent form one group.
class RadioButton : public Control {
 public:
  RadioButton(Form& f, std::string name, Control* parent = nullptr);
  bool Checked() const { return checked_; }
  // Checking one clears the others of its group.
  void SetChecked(bool checked);
  std::function<void()> OnClick;
  void UserClick();
 private:
  bool checked_ = false;
};

// A selection-only drop-down list. OnChange fires only for the user's own
// choice, never when code sets ItemIndex.
class ComboBox : public Control {
 public:
  ComboBox(Form& f, std::string name, Control* parent = nullptr);
  Strings Items;
  int ItemIndex = -1;
  std::string Text() const;
  std::function<void()> OnChange;
  void UserSelect(int index);
};

class ListBox : public Control {
 public:
  ListBox(Form& f, std::string name, Control* parent = nullptr);
  Strings Items;
  int ItemIndex = -1;
  std::function<void()> OnClick;
  void UserSelect(int index);
 protected:
  ListBox(Form& f, std::string name, ControlKind kind, Control* parent);
};

// A list box of plain text lines, built for tens of thousands of them.
class TextListBox : public ListBox {
 public:
  TextListBox(Form& f, std::string name, Control* parent = nullptr);
};

enum class BevelCut { None, Lowered, Raised };
enum class BorderStyle { None, Single };

class Panel : public Control {
 public:
  Panel(Form& f, std::string name, Control* parent = nullptr);
  BevelCut BevelOuter = BevelCut::Raised;
  BevelCut BevelInner = BevelCut::None;
  int BevelWidth = 1;
  BorderStyle Border = BorderStyle::None;
  std::string Picture;  // background picture, one of the program's own
};

class GroupBox : public Control {
 public:
  GroupBox(Form& f, std::string name, Control* parent = nullptr);
};

class Image : public Control {
 public:
  Image(Form& f, std::string name, Control* parent = nullptr);
  std::string Picture;
  bool Stretch = false;
};

// A horizontal or vertical line.
class Separator : public Control {
 public:
  Separator(Form& f, std::string name, Control* parent = nullptr);
};

enum class GaugeKind { Horizontal, Vertical };

class Gauge : public Control {
 public:
  Gauge(Form& f, std::string name, Control* parent = nullptr);
  GaugeKind Orientation = GaugeKind::Horizontal;
  int MinValue = 0, MaxValue = 100, Progress = 0;
  TColor BackColor = colors::White;   // face
  TColor ForeColor = colors::Black;   // bar
  bool ShowText = true;
  // Progress as a whole percentage of the range.
  int PercentDone() const;
};

class ProgressBar : public Control {
 public:
  ProgressBar(Form& f, std::string name, Control* parent = nullptr);
  int Min = 0, Max = 100, Position = 0;
};

enum class ScrollBars { None, Horizontal, Vertical, Both };

// A read-only text area of lines; RichEdit is the same with the rich-text
// control's look.
class Memo : public Control {
 public:
  Memo(Form& f, std::string name, Control* parent = nullptr);
  Strings Lines;
  bool ReadOnly = true;
  bool WordWrap = true;
  ScrollBars Scroll = ScrollBars::Vertical;
 protected:
  Memo(Form& f, std::string name, ControlKind kind, Control* parent);
};

class RichEdit : public Memo {
 public:
  RichEdit(Form& f, std::string name, Control* parent = nullptr);
};

}  // namespace forms
