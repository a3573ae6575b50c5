#include "tests/support/decimal_comma_locale.h"

#include <glib.h>

#include <clocale>

#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace lumetta::test {

namespace {

constexpr char kLocaleName[] = "decimal-comma";
constexpr char kDefinition[] =
    "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \".\"\ngrouping 3\nEND LC_NUMERIC\n";

// The folder holding the compiled locale, or "" when it could not be made.
const std::string& LocaleFolder() {
  static const TempDir folder;
  static const std::string made = [] {
    const std::string source = folder.Write("decimal-comma.src", kDefinition);
    const std::string output = folder.Path() + "/" + kLocaleName;
    // Only LC_NUMERIC is defined: localedef warns about the rest and exits 1 even so.
    const char* argv[] = {"localedef",      "-c",           "-i",   source.c_str(), "-f",
                          "ANSI_X3.4-1968", output.c_str(), nullptr};
    g_spawn_sync(
        nullptr, const_cast<char**>(argv), nullptr,
        GSpawnFlags(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL),
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    const bool ok = g_file_test((output + "/LC_NUMERIC").c_str(), G_FILE_TEST_IS_REGULAR);
    return ok ? folder.Path() : std::string();
  }();
  return made;
}

}  // namespace

DecimalCommaLocale::DecimalCommaLocale() {
  previous_ = std::setlocale(LC_NUMERIC, nullptr);
  if (LocaleFolder().empty()) return;
  // The path counts only while the locale loads.
  const ScopedEnv env{"LOCPATH"};
  g_setenv("LOCPATH", LocaleFolder().c_str(), TRUE);
  active_ = std::setlocale(LC_NUMERIC, kLocaleName) != nullptr;
}

DecimalCommaLocale::~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }

}  // namespace lumetta::test
