#include "ui/controls/controls.h"

namespace lumetta {

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
