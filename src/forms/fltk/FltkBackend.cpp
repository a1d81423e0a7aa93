#include "forms/fltk/FltkBackend.h"

#include <FL/Fl.H>

#include "forms/application.h"
#include "forms/fltk/Desktop.h"
#include "forms/fltk/FileChooser.h"
#include "forms/fltk/FormWindow.h"
#include "forms/fltk/MessageBox.h"
#include "forms/form.h"
#include "platform/clock.h"

namespace forms {

namespace {
constexpr int64_t kPollIntervalMs = 10;
}

FltkBackend::FltkBackend() : desktop_(std::make_unique<fltk::Desktop>()) {
  Fl::background(0xD4, 0xD0, 0xC8);  // the dialog face colour of the model
  // The dialog font the forms were laid out for is narrower than FLTK's
  // default sans face, which would overflow the narrow buttons; the condensed
  // face fits and still leaves room for the accents of capitals (Č, Ž).
  // Where it is not installed, fontconfig falls back to its default sans.
  Fl::set_font(FL_HELVETICA, " DejaVu Sans Condensed");
  Fl::set_font(FL_HELVETICA_BOLD, "BDejaVu Sans Condensed");
}

FltkBackend::~FltkBackend() = default;

// The window is mapped by the first sync after the form's OnShow has run,
// when it is also known whether the form runs modally.
void FltkBackend::FormShown(Form& form) { desktop_->WindowOf(form).SetInOnShow(true); }

void FltkBackend::FormShowFinished(Form& form) { desktop_->WindowOf(form).SetInOnShow(false); }

void FltkBackend::FormHidden(Form& form) { desktop_->Hide(form); }

void FltkBackend::RunModal(Form& form) {
  // A form already on screen without being modal is mapped again as modal.
  if (fltk::FormWindow* w = desktop_->Find(form); w && w->shown() && !w->modal()) w->hide();
  while (form.Visible() && !form.App().Terminated()) desktop_->WaitOnce();
}

void FltkBackend::RunMain(Application& app) {
  while (app.MainForm() && app.MainForm()->Visible() && !app.Terminated()) desktop_->WaitOnce();
}

void FltkBackend::ProcessMessages() {
  const int64_t now = platform::TickCountMs();
  if (now - last_poll_ms_ < kPollIntervalMs) return;
  desktop_->Sync();
  Fl::check();
  last_poll_ms_ = platform::TickCountMs();
}

void FltkBackend::ShowMessage(const std::string& text, const std::string& title) {
  fltk::RunMessageBox(*desktop_, text, title);
}

std::optional<std::string> FltkBackend::RunFileDialog(const FileDialogRequest& request) {
  return fltk::RunFileChooser(*desktop_, request);
}

}  // namespace forms
