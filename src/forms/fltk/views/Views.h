#pragma once
// The view of each kind of control (one source file per kind or family).
#include <memory>

#include "forms/controls.h"
#include "forms/fltk/ControlView.h"

namespace forms::fltk {

class PictureBook;

std::unique_ptr<ControlView> MakeLabelView(Label& label);
std::unique_ptr<ControlView> MakeButtonView(Button& button, PictureBook& pictures);
std::unique_ptr<ControlView> MakeEditView(Edit& edit);
std::unique_ptr<ControlView> MakeCheckBoxView(CheckBox& check);
std::unique_ptr<ControlView> MakeRadioButtonView(RadioButton& radio);
std::unique_ptr<ControlView> MakeComboBoxView(ComboBox& combo);
std::unique_ptr<ControlView> MakeListBoxView(ListBox& list);
std::unique_ptr<ControlView> MakePanelView(Panel& panel, PictureBook& pictures);
std::unique_ptr<ControlView> MakeGroupBoxView(GroupBox& group);
std::unique_ptr<ControlView> MakeImageView(Image& image, PictureBook& pictures);
std::unique_ptr<ControlView> MakeSeparatorView(Separator& separator);
std::unique_ptr<ControlView> MakeGaugeView(Gauge& gauge);
std::unique_ptr<ControlView> MakeProgressBarView(ProgressBar& bar);
std::unique_ptr<ControlView> MakeMemoView(Memo& memo);

}  // namespace forms::fltk
