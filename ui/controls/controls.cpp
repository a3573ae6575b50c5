#include "ui/controls/controls.h"

#include <algorithm>

namespace lumetta {

void Controls::Remove(const Control& control) {
  items_.erase(std::remove(items_.begin(), items_.end(), &control), items_.end());
}

void Controls::RemoveArrayMembers(const std::string& name, int first) {
  std::erase_if(items_, [&](const Control* control) {
    return control->Index() >= first && control->Name() == name;
  });
}

Control* Controls::Find(const std::string& name, int index) const {
  for (Control* control : items_) {
    if (control->Name() == name && control->Index() == index) return control;
  }
  return nullptr;
}

}  // namespace lumetta
