#include "tests/support/fake_browser_control.h"

namespace lumetta::test {

std::vector<std::string> FakeBrowserControl::Navigations() const {
  std::vector<std::string> urls;
  for (const std::string& call : calls) {
    if (call.rfind("Navigate ", 0) == 0) urls.push_back(call.substr(9));
  }
  return urls;
}

bool FakeBrowserControl::Edit(EditCommand command) {
  switch (command) {
    case EditCommand::kCut:
      return Command("Cut");
    case EditCommand::kCopy:
      return Command("Copy");
    case EditCommand::kPaste:
      return Command("Paste");
    case EditCommand::kSelectAll:
      return Command("SelectAll");
  }
  return false;
}

std::unique_ptr<BrowserControl> FakeControlFactory::Create() {
  auto control = std::make_unique<FakeBrowserControl>();
  made.push_back(control.get());
  return control;
}

}  // namespace lumetta::test
