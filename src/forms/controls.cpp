#include "forms/controls.h"

#include "forms/application.h"
#include "forms/form.h"

namespace forms {

Control::Control(Form& owner, std::string name, ControlKind kind, Control* parent)
    : Name(std::move(name)), Kind(kind), Parent(parent), owner_(owner) {
  owner.Register(this);
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->Parent)
    if (!c->Visible) return false;
  return true;
}

bool Control::Reachable() const {
  if (!owner_.Visible()) return false;
  for (const Control* c = this; c; c = c->Parent)
    if (!c->Visible || !c->Enabled) return false;
  return true;
}

int Control::FormLeft() const {
  int x = 0;
  for (const Control* c = this; c; c = c->Parent) x += c->Left;
  return x;
}

int Control::FormTop() const {
  int y = 0;
  for (const Control* c = this; c; c = c->Parent) y += c->Top;
  return y;
}

void Control::Fire(const std::function<void()>& handler) const {
  if (handler) owner_.App().Dispatch(handler);
}

Label::Label(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Label, parent) {
  Transparent = false;
}

Button::Button(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Button, parent) {}
Button::Button(Form& f, std::string name, ControlKind kind, Control* parent)
    : Control(f, std::move(name), kind, parent) {}

void Button::Click() {
  if (Reachable()) Fire(OnClick);
}

BitBtn::BitBtn(Form& f, std::string name, Control* parent)
    : Button(f, std::move(name), ControlKind::BitBtn, parent) {}

Edit::Edit(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Edit, parent) {
  Color = colors::Window;
}

void Edit::UserSetText(const std::string& text) {
  if (!Reachable() || ReadOnly) return;
  Text = MaxLength > 0 && static_cast<int>(text.size()) > MaxLength
             ? text.substr(0, static_cast<size_t>(MaxLength))
             : text;
  Fire(OnChange);
}

void Edit::UserKeyPress(char key) {
  if (!Reachable() || ReadOnly) return;
  if (OnKeyPress) {
    bool handled = false;  // a handler that failed swallows the key
    Owner().App().Dispatch([&] {
      OnKeyPress(key);
      handled = true;
    });
    if (!handled) return;
  }
  if (key == 0) return;
  if (key == '\b') {
    if (!Text.empty()) Text.pop_back();
  } else if (MaxLength > 0 && static_cast<int>(Text.size()) >= MaxLength) {
    return;
  } else {
    Text += key;
  }
  Fire(OnChange);
}

CheckBox::CheckBox(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::CheckBox, parent) {}

void CheckBox::UserClick() {
  if (!Reachable()) return;
  Checked = !Checked;
  Fire(OnClick);
}

RadioButton::RadioButton(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::RadioButton, parent) {}

void RadioButton::SetChecked(bool checked) {
  checked_ = checked;
  if (!checked) return;
  for (Control* c : Owner().Controls()) {
    if (c == this || c->Kind != ControlKind::RadioButton || c->Parent != Parent) continue;
    static_cast<RadioButton*>(c)->checked_ = false;
  }
}

void RadioButton::UserClick() {
  if (!Reachable()) return;
  SetChecked(true);
  Fire(OnClick);
}

ComboBox::ComboBox(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::ComboBox, parent) {
  Color = colors::Window;
}

std::string ComboBox::Text() const {
  return ItemIndex >= 0 && ItemIndex < Items.Count() ? Items[ItemIndex] : std::string();
}

void ComboBox::UserSelect(int index) {
  if (!Reachable() || index < 0 || index >= Items.Count()) return;
  ItemIndex = index;
  Fire(OnChange);
}

ListBox::ListBox(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::ListBox, parent) {
  Color = colors::Window;
}
ListBox::ListBox(Form& f, std::string name, ControlKind kind, Control* parent)
    : Control(f, std::move(name), kind, parent) {
  Color = colors::Window;
}

void ListBox::UserSelect(int index) {
  if (!Reachable() || index < 0 || index >= Items.Count()) return;
  ItemIndex = index;
  Fire(OnClick);
}

TextListBox::TextListBox(Form& f, std::string name, Control* parent)
    : ListBox(f, std::move(name), ControlKind::TextListBox, parent) {}

Panel::Panel(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Panel, parent) {}

GroupBox::GroupBox(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::GroupBox, parent) {}

Image::Image(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Image, parent) {}

Separator::Separator(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Separator, parent) {}

Gauge::Gauge(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Gauge, parent) {}

int Gauge::PercentDone() const {
  const long span = static_cast<long>(MaxValue) - MinValue;
  if (span <= 0) return 0;
  long p = (static_cast<long>(Progress) - MinValue) * 100 / span;
  return static_cast<int>(p < 0 ? 0 : p > 100 ? 100 : p);
}

ProgressBar::ProgressBar(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::ProgressBar, parent) {}

Memo::Memo(Form& f, std::string name, Control* parent)
    : Control(f, std::move(name), ControlKind::Memo, parent) {
  Color = colors::Window;
}
Memo::Memo(Form& f, std::string name, ControlKind kind, Control* parent)
    : Control(f, std::move(name), kind, parent) {
  Color = colors::Window;
}

RichEdit::RichEdit(Form& f, std::string name, Control* parent)
    : Memo(f, std::move(name), ControlKind::RichEdit, parent) {}

}  // namespace forms
