#include "tests/support/fake_message_box.h"

namespace lumetta::test {

int FakeMessageBox::Show(const std::string& prompt, int style, const std::string& title) {
  shown.push_back({prompt, style, title});
  if (while_shown) while_shown();
  if (answers.empty()) return kIdOk;
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace lumetta::test
