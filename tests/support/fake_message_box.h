#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/message_box.h"

namespace lumetta::test {

// A message box that records what it was asked to show and gives scripted answers.
class FakeMessageBox : public MessageBox {
 public:
  struct Shown {
    std::string prompt;
    int style = 0;
    std::string title;
  };

  int Show(const std::string& prompt, int style, const std::string& title) override;

  // What was shown, in order.
  std::vector<Shown> shown;
  // Answers given in turn; once used up, every box is answered with kIdOk.
  std::deque<int> answers;
  // Runs while a box is up, as events would while the user reads it.
  std::function<void()> while_shown;
};

}  // namespace lumetta::test
