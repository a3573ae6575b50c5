#pragma once

#include <glib.h>

#include <clocale>
#include <string>

#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace lumetta::test {

// Puts the number settings (LC_NUMERIC) on a locale whose decimal separator is "," while it
// lives. localedef compiles the locale into a temporary folder the first time, so the machine
// needs no locale of its own; Active() is false when that failed.
class DecimalCommaLocale {
 public:
  DecimalCommaLocale() : previous_(std::setlocale(LC_NUMERIC, nullptr)) {
    static const TempDir folder;
    static const bool made = [] {
      const std::string source = folder.Write(
          "comma.src", "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\nEND LC_NUMERIC\n");
      // With LC_NUMERIC alone localedef warns about the other categories and exits 1 even so.
      const std::string command =
          "localedef -c -f ANSI_X3.4-1968 -i " + source + " " + folder.Path() + "/decimal-comma";
      g_spawn_command_line_sync(command.c_str(), nullptr, nullptr, nullptr, nullptr);
      return g_file_test((folder.Path() + "/decimal-comma/LC_NUMERIC").c_str(),
                         G_FILE_TEST_IS_REGULAR);
    }();
    if (!made) return;
    const ScopedEnv env{"LOCPATH"};  // read only while the locale loads
    g_setenv("LOCPATH", folder.Path().c_str(), TRUE);
    active_ = std::setlocale(LC_NUMERIC, "decimal-comma") != nullptr;
  }
  ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
  DecimalCommaLocale(const DecimalCommaLocale&) = delete;
  DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

  bool Active() const { return active_; }

 private:
  std::string previous_;
  bool active_ = false;
};

}  // namespace lumetta::test
