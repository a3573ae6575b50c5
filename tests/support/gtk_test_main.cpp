// Entry point of the test programs that need GTK: every run gets a home folder and a profile
// of its own in a temporary folder, so tests never read or write the user's files, settings,
// history or caches.
#include <glib.h>
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <gtkmm/main.h>

#include <cstdlib>
#include <string>

#include "tests/support/temp_dir.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const lumetta::test::TempDir profile;
  const std::string home = profile.Path() + "/home";
  g_mkdir(home.c_str(), 0700);
  g_setenv("HOME", home.c_str(), TRUE);
  g_setenv("XDG_CONFIG_HOME", (profile.Path() + "/config").c_str(), TRUE);
  g_setenv("XDG_DATA_HOME", (profile.Path() + "/data").c_str(), TRUE);
  g_setenv("XDG_CACHE_HOME", (profile.Path() + "/cache").c_str(), TRUE);
  g_setenv("XDG_CONFIG_DIRS", (profile.Path() + "/etc").c_str(), TRUE);
  // Dialogs such as the file chooser keep their settings in memory, not in the user's.
  g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
  if (!testing::GTEST_FLAG(list_tests)) {
    if (!gtk_init_check(&argc, &argv)) {
      fprintf(stderr, "no display: run the tests under xvfb-run\n");
      return 1;
    }
    Gtk::Main::init_gtkmm_internals();
  }
  return RUN_ALL_TESTS();
}
