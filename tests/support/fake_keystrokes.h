#pragma once

#include <string>
#include <vector>

#include "platform/keystrokes.h"

namespace lumetta::test {

// Records the keys it is asked to send instead of sending them.
class FakeKeystrokes : public Keystrokes {
 public:
  bool SendKeys(const std::string& keys, Gtk::Window&) override {
    sent.push_back(keys);
    return true;
  }
  std::vector<std::string> sent;
};

}  // namespace lumetta::test
