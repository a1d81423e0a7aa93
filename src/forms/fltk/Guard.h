#pragma once
// Runs code from an FLTK callback. Handlers already run through the model's
// error handler; this is the last line so that nothing ever unwinds through
// FLTK's C-style event code.
#include <exception>

#include "forms/application.h"

namespace forms::fltk {

template <class F>
void Guarded(Application& app, F&& f) noexcept {
  try {
    f();
  } catch (const std::exception& e) {
    try {
      app.HandleException(e);
    } catch (...) {
    }
  } catch (...) {
  }
}

}  // namespace forms::fltk
