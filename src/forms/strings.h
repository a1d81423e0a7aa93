#pragma once
// A list of texts (Windows-1250) as held by list boxes, drop-down lists and
// memos. Every change bumps a revision so that a window back-end can tell
// cheaply whether to repaint, and whether only lines were appended.
#include <cstdint>
#include <string>
#include <vector>

namespace forms {

class Strings {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int i) const { return items_.at(static_cast<size_t>(i)); }
  const std::vector<std::string>& Items() const { return items_; }

  int Add(std::string text) {
    items_.push_back(std::move(text));
    ++revision_;
    return Count() - 1;
  }
  void Clear() {
    if (items_.empty()) return;
    items_.clear();
    ++revision_;
    ++rewrites_;
  }
  void Set(int i, std::string text) {
    items_.at(static_cast<size_t>(i)) = std::move(text);
    ++revision_;
    ++rewrites_;
  }
  void Delete(int i) {
    items_.erase(items_.begin() + i);
    ++revision_;
    ++rewrites_;
  }
  void Assign(std::vector<std::string> items) {
    items_ = std::move(items);
    ++revision_;
    ++rewrites_;
  }
  void Reserve(int n) { items_.reserve(static_cast<size_t>(n)); }
  int IndexOf(const std::string& text) const {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i] == text) return static_cast<int>(i);
    return -1;
  }

  // Any change at all.
  uint64_t Revision() const { return revision_; }
  // Changes other than appending at the end.
  uint64_t Rewrites() const { return rewrites_; }

 private:
  std::vector<std::string> items_;
  uint64_t revision_ = 0;
  uint64_t rewrites_ = 0;
};

}  // namespace forms
