#pragma once

#include <string>
#include <vector>

#include "ui/controls/control.h"

namespace lumetta {

// A window's controls in creation order, menu items included. It does not own them.
class Controls {
 public:
  void Add(Control& control) { items_.push_back(&control); }
  // Removes every member of the control array `name` from index `first` on, in one pass.
  void RemoveArrayMembers(const std::string& name, int first);
  size_t Count() const { return items_.size(); }
  Control& Item(size_t position) const { return *items_.at(position); }
  // The control of that name (and index, for a control array member), or null.
  Control* Find(const std::string& name, int index = Control::kNoIndex) const;

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<Control*> items_;
};

}  // namespace lumetta
