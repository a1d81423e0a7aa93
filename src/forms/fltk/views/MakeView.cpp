#include "forms/fltk/views/Views.h"

namespace forms::fltk {

std::unique_ptr<ControlView> MakeView(Control& c, PictureBook& pictures) {
  switch (c.Kind) {
    case ControlKind::Label: return MakeLabelView(static_cast<Label&>(c));
    case ControlKind::Button:
    case ControlKind::BitBtn: return MakeButtonView(static_cast<Button&>(c), pictures);
    case ControlKind::Edit: return MakeEditView(static_cast<Edit&>(c));
    case ControlKind::CheckBox: return MakeCheckBoxView(static_cast<CheckBox&>(c));
    case ControlKind::RadioButton: return MakeRadioButtonView(static_cast<RadioButton&>(c));
    case ControlKind::ComboBox: return MakeComboBoxView(static_cast<ComboBox&>(c));
    case ControlKind::ListBox:
    case ControlKind::TextListBox: return MakeListBoxView(static_cast<ListBox&>(c));
    case ControlKind::Panel: return MakePanelView(static_cast<Panel&>(c), pictures);
    case ControlKind::GroupBox: return MakeGroupBoxView(static_cast<GroupBox&>(c));
    case ControlKind::Image: return MakeImageView(static_cast<Image&>(c), pictures);
    case ControlKind::Separator: return MakeSeparatorView(static_cast<Separator&>(c));
    case ControlKind::Gauge: return MakeGaugeView(static_cast<Gauge&>(c));
    case ControlKind::ProgressBar: return MakeProgressBarView(static_cast<ProgressBar&>(c));
    case ControlKind::Memo:
    case ControlKind::RichEdit: return MakeMemoView(static_cast<Memo&>(c));
  }
  return nullptr;
}

}  // namespace forms::fltk
