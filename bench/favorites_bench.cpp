// Times building a window's Favorites menu from shortcut files: see README.md.
//
//   favorites_bench [--runs N] [--open] [--skin] [SIZE...]   (default: 7 runs of 500 and 32767)

#include <glib.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "app/do_events.h"
#include "display_main.h"
#include "favorite_shortcuts.h"
#include "favorites/mod_favorite.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/shell_folders.h"
#include "platform/skin.h"
#include "scratch_profile.h"
#include "shell/main_windows.h"
#include "tests/support/fake_browser_control.h"
#include "tests/support/keystrokes.h"
#include "ui/main_window/apply_skin.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 7;
constexpr int kMaxRuns = 1000;
constexpr int kDefaultSizes[] = {500, kMaxFavoriteEntries};

double Milliseconds(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Figures {
  std::vector<double> build;
  std::vector<double> rebuild;
  std::vector<double> place;
  std::vector<double> open;
  std::vector<double> choose;
  std::vector<double> close;
};

void Print(const char* what, int size, std::vector<double> values) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  std::printf("favorites %-7s %5d shortcuts: median %8.1f ms (min %.1f, max %.1f; %zu runs)\n",
              what, size, values[values.size() / 2], values.front(), values.back(), values.size());
}

// One window: the first build of its list (as at its load), a rebuild (as after adding a
// favorite), putting the entries into the menu (as its first opening does), with `open` the
// whole first opening until GTK has mapped the menu and then Up (to the last entry) and Enter
// until the window asks its control for the entry's address, and closing the window until it
// is gone.
bool MeasureOnce(MainWindows& windows, int size, bool open, bool skin, Figures& figures) {
  frmMain& form = windows.CreateMainWindow();
  form.Window().show_all();
  if (skin) form.ApplySkin(form);
  DoEvents();
  Clock::time_point start = Clock::now();
  LoadAllFavorite(form);
  figures.build.push_back(Milliseconds(start));
  start = Clock::now();
  LoadAllFavorite(form);
  figures.rebuild.push_back(Milliseconds(start));
  const bool complete = form.mnuMainFavoriteUser.UBound() == size;
  start = Clock::now();
  PlaceFavoriteEntries(form);
  figures.place.push_back(Milliseconds(start));

  if (open) {
    Gtk::Menu& menu = *form.mnuMainFavorite.Submenu();
    start = Clock::now();
    gtk_widget_mnemonic_activate(GTK_WIDGET(form.mnuMainFavorite.Item().gobj()), FALSE);
    while (!menu.get_mapped()) g_main_context_iteration(nullptr, TRUE);
    figures.open.push_back(Milliseconds(start));
    // A user reads the menu first: what GTK does once it is idle has been done.
    DoEvents();
    const std::string wanted = "Navigate " + form.mnuMainFavoriteUser(size).Tag();
    auto& control = static_cast<test::FakeBrowserControl&>(form.webMain.Get());
    control.calls.clear();
    start = Clock::now();
    // An open menu has the keyboard to itself: GTK hands it the window's keys.
    test::SendKeys("{UP}{ENTER}", form.Window());
    while (std::find(control.calls.begin(), control.calls.end(), wanted) == control.calls.end()) {
      g_main_context_iteration(nullptr, TRUE);
    }
    figures.choose.push_back(Milliseconds(start));
  }

  const int live = frmMain::InstanceCount();
  start = Clock::now();
  form.Unload();
  while (frmMain::InstanceCount() == live) g_main_context_iteration(nullptr, TRUE);
  figures.close.push_back(Milliseconds(start));
  if (!complete) std::fprintf(stderr, "the menu does not list all %d shortcuts\n", size);
  return complete;
}

int Main(int argc, char** argv) {
  int runs = kDefaultRuns;
  bool open = false;
  bool skin = false;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    int* target = nullptr;
    int value = 0;
    const char* text = argv[i];
    if (argument == "--open") {
      open = true;
      continue;
    }
    if (argument == "--skin") {
      skin = true;
      continue;
    }
    if (argument == "--runs" && i + 1 < argc) {
      text = argv[++i];
      target = &runs;
    }
    const char* end = text + std::strlen(text);
    const auto [rest, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || rest != end || value < 1 ||
        value > (target != nullptr ? kMaxRuns : kMaxFavoriteEntries)) {
      std::fprintf(stderr, "usage: %s [--runs 1-%d] [--open] [--skin] [SIZE 1-%d ...]\n", argv[0],
                   kMaxRuns, kMaxFavoriteEntries);
      return 2;
    }
    if (target != nullptr) {
      *target = value;
    } else {
      sizes.push_back(value);
    }
  }
  if (sizes.empty()) sizes.assign(std::begin(kDefaultSizes), std::end(kDefaultSizes));
  std::sort(sizes.begin(), sizes.end());

  ScratchProfile profile;
  if (!profile.error().empty()) {
    std::fprintf(stderr, "%s\n", profile.error().c_str());
    return 1;
  }
  g_setenv("XDG_DATA_HOME", (profile.root() / "data").c_str(), TRUE);
  XdgShellFolders folders;
  ThePlatform().shell_folders = &folders;
  // The program's own skin, beside the bench as beside the program.
  CssSkinComponent skins;
  if (skin) {
    const std::string sheet = ProgramFolder() + "/" + kSkinFileName;
    if (!g_file_test(sheet.c_str(), G_FILE_TEST_IS_REGULAR)) {
      std::fprintf(stderr, "no skin at %s\n", sheet.c_str());
      return 1;
    }
    ThePlatform().skins = &skins;
  }
  const std::string favorites = folders.FolderPath(kCsidlFavorites);
  if (favorites.empty()) {
    std::fprintf(stderr, "no favorites folder\n");
    return 1;
  }

  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  // Controls that do nothing: the figures are the window's own.
  test::FakeControlFactory factory;
  MainWindows windows(factory, {});
  int failures = 0;
  int filled = 0;
  for (const int size : sizes) {
    if (!WriteFavoriteShortcuts(favorites, filled, size)) {
      std::fprintf(stderr, "cannot write the shortcuts\n");
      return 1;
    }
    filled = size;
    Figures figures;
    Figures warm_up;
    // The first run warms the caches and is not counted.
    for (int run = 0; run <= runs; ++run) {
      if (!MeasureOnce(windows, size, open, skin, run == 0 ? warm_up : figures)) ++failures;
    }
    Print("build", size, figures.build);
    Print("rebuild", size, figures.rebuild);
    Print("place", size, figures.place);
    Print("open", size, figures.open);
    Print("choose", size, figures.choose);
    Print("close", size, figures.close);
  }
  ThePlatform().shell_folders = nullptr;
  ThePlatform().skins = nullptr;
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace lumetta::bench

int main(int argc, char** argv) {
  return lumetta::bench::RunWithDisplay(argc, argv, &lumetta::bench::Main);
}
