#include "forms/fltk/Stacking.h"

#include <algorithm>
#include <set>

namespace forms::fltk {

bool IsWindowed(ControlKind kind) {
  switch (kind) {
    case ControlKind::Label:
    case ControlKind::Image:
    case ControlKind::Separator:
    case ControlKind::Gauge:
      return false;
    default:
      return true;
  }
}

namespace {

// The controls of `all` with the given parent (null: the top ones), bottom first.
std::vector<Control*> Layer(const std::vector<Control*>& all, const std::set<const Control*>& in,
                            const Control* parent) {
  std::vector<Control*> layer;
  for (Control* c : all) {
    const Control* p = c->Parent && in.count(c->Parent) ? c->Parent : nullptr;
    if (p == parent) layer.push_back(c);
  }
  std::stable_partition(layer.begin(), layer.end(),
                        [](const Control* c) { return !IsWindowed(c->Kind); });
  return layer;
}

void Walk(const std::vector<Control*>& all, const std::set<const Control*>& in,
          const Control* parent, std::vector<Control*>& out) {
  for (Control* c : Layer(all, in, parent)) {
    out.push_back(c);
    Walk(all, in, c, out);
  }
}

}  // namespace

std::vector<Control*> BuildOrder(const std::vector<Control*>& controls) {
  const std::set<const Control*> in(controls.begin(), controls.end());
  std::vector<Control*> out;
  out.reserve(controls.size());
  Walk(controls, in, nullptr, out);
  return out;
}

}  // namespace forms::fltk
