#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shell/main_windows.h"
#include "tests/support/fake_browser_control.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::test {

// Main windows around fake browser controls.
class WindowTest : public testing::Test {
 protected:
  // A loaded window on `url` (the home page when empty); its start-up navigation is forgotten.
  frmMain& OpenWindow(const std::string& url = "") {
    frmMain& form = windows_.CreateMainWindow();
    form.mstrURLNewWindow = url;
    form.Show();
    Fake(form).calls.clear();
    return form;
  }
  static FakeBrowserControl& Fake(frmMain& form) {
    return static_cast<FakeBrowserControl&>(form.webMain.Get());
  }

  FakeControlFactory factory_;
  MainWindows windows_{factory_, {}};
};

}  // namespace lumetta::test
