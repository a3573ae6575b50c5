#include "tests/support/fake_browser_control.h"

namespace lumetta::test {

std::vector<std::string> FakeBrowserControl::Navigations() const {
  std::vector<std::string> urls;
  for (const std::string& call : calls) {
    if (call.rfind("Navigate ", 0) == 0) urls.push_back(call.substr(9));
  }
  return urls;
}

std::unique_ptr<BrowserControl> FakeControlFactory::Create() {
  auto control = std::make_unique<FakeBrowserControl>();
  made.push_back(control.get());
  return control;
}

}  // namespace lumetta::test
