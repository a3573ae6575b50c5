#pragma once

#include <gtest/gtest.h>
#include <gtkmm/checkmenuitem.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/main_windows.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/window_test.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::test {

// Windows with a fake browser control and a scripted message box.
class SearchWindowTest : public WindowTest {
 protected:
  SearchWindowTest() { ThePlatform().message_box = &box_; }
  ~SearchWindowTest() override { ThePlatform().message_box = nullptr; }

  // The check marks the engine items show, by index.
  static std::vector<bool> Checks(frmMain& form) {
    std::vector<bool> checks;
    for (const auto& [index, item] : form.mnuMainToolSearchType) {
      checks.push_back(dynamic_cast<Gtk::CheckMenuItem&>(item->Item()).get_active());
    }
    return checks;
  }

  FakeMessageBox box_;
};

}  // namespace lumetta::test
