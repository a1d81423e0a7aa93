#pragma once
// The model's Windows-1250 captions as the UTF-8 text FLTK draws.
#include <string>

namespace forms::fltk {

// Plain conversion, for texts FLTK shows verbatim (inputs, lists, titles).
std::string DisplayText(const std::string& cp1250);
// For labels FLTK draws itself: '@' would start one of its symbols, so it is
// doubled; '&' keeps its meaning of underlining the next character.
std::string WidgetLabel(const std::string& cp1250);
// For captions the back-end draws itself: the accelerator marks dropped
// ("&&" stands for one '&').
std::string PlainCaption(const std::string& cp1250);

}  // namespace forms::fltk
