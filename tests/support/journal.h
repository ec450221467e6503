#pragma once
// One shared list of what the fakes were asked to do, in call order, so a test can check
// the order in which the clock talks to its window, its clock and its files.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane::headless {

class Journal {
 public:
  void Add(std::string entry) { entries_.push_back(std::move(entry)); }
  const std::vector<std::string>& entries() const { return entries_; }
  void Clear() { entries_.clear(); }

  // Index of the first entry that starts with `prefix`, or -1.
  int FirstIndexOf(std::string_view prefix) const {
    for (size_t i = 0; i < entries_.size(); ++i) {
      if (std::string_view(entries_[i]).substr(0, prefix.size()) == prefix) {
        return static_cast<int>(i);
      }
    }
    return -1;
  }
  int Count(std::string_view prefix) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [&](const auto& e) {
      return std::string_view(e).substr(0, prefix.size()) == prefix;
    }));
  }

 private:
  std::vector<std::string> entries_;
};

// Appends to a journal when one is attached; fakes used alone need none.
inline void Note(Journal* journal, std::string entry) {
  if (journal != nullptr) journal->Add(std::move(entry));
}

}  // namespace sorvane::headless
