#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/main_windows.h"
#include "tests/support/fake_favorites_dialogs.h"
#include "tests/support/fake_shell_folders.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_test.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::test {

// Windows with a fake browser control, whose favorites folder is a fresh temporary folder and
// whose favorites dialogs are scripted.
class FavoritesWindowTest : public WindowTest {
 protected:
  FavoritesWindowTest() {
    folders_.favorites = favorites_.Path();
    ThePlatform().shell_folders = &folders_;
    ThePlatform().favorites_dialogs = &dialogs_;
  }
  ~FavoritesWindowTest() override {
    ThePlatform().shell_folders = nullptr;
    ThePlatform().favorites_dialogs = nullptr;
  }

  // An Internet shortcut to `url` in the favorites folder; gives its path.
  std::string Shortcut(const std::string& file_name, const std::string& url) const {
    return favorites_.Write(file_name, "[InternetShortcut]\r\nURL=" + url + "\r\n");
  }

  // Captions and tags of the window's favorites entries, 1 to n.
  static std::vector<std::string> Captions(frmMain& form) {
    std::vector<std::string> captions;
    for (int i = 1; i <= form.mnuMainFavoriteUser.UBound(); ++i) {
      captions.push_back(form.mnuMainFavoriteUser(i).Caption());
    }
    return captions;
  }
  static std::vector<std::string> Tags(frmMain& form) {
    std::vector<std::string> tags;
    for (int i = 1; i <= form.mnuMainFavoriteUser.UBound(); ++i) {
      tags.push_back(form.mnuMainFavoriteUser(i).Tag());
    }
    return tags;
  }

  TempDir favorites_;
  FakeShellFolders folders_;
  FakeFavoritesDialogs dialogs_;
};

}  // namespace lumetta::test
