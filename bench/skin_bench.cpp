// Times ApplySkin on a main window with many favorites entries: see README.md.
//
//   skin_bench [--runs N] [ENTRIES]   (default: 7 runs, 500 entries)

#include <glib.h>

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
#include "ui/main_window/apply_skin.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 7;
constexpr int kMaxRuns = 1000;
constexpr int kDefaultEntries = 500;

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// One ApplySkin: its own work (the whole call less the time the main loop ran in its yields),
// the whole call, and how often it yielded.
struct Call {
  double own = 0;
  double whole = 0;
  long yields = 0;
};

Call TimeApplySkin(frmMain& form) {
  const YieldTally before = Yields();
  const Clock::time_point start = Clock::now();
  form.ApplySkin(form);
  const Clock::duration whole = Clock::now() - start;
  const YieldTally after = Yields();
  return {Milliseconds(whole - (after.time - before.time)), Milliseconds(whole),
          after.count - before.count};
}

struct Figures {
  std::vector<Call> load;
  std::vector<double> place;
  std::vector<Call> shown;
};

void Print(const char* what, int entries, std::vector<Call> calls) {
  if (calls.empty()) return;
  std::sort(calls.begin(), calls.end(), [](const Call& a, const Call& b) { return a.own < b.own; });
  std::vector<double> whole;
  for (const Call& call : calls) whole.push_back(call.whole);
  std::sort(whole.begin(), whole.end());
  std::printf(
      "skin %-6s %5d entries: own median %6.1f ms (min %.1f, max %.1f; %zu runs), "
      "%ld yields, with them %.1f ms\n",
      what, entries, calls[calls.size() / 2].own, calls.front().own, calls.back().own, calls.size(),
      calls.front().yields, whole[whole.size() / 2]);
}

void Print(const char* what, int entries, std::vector<double> values) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  std::printf("skin %-6s %5d entries: median %6.1f ms (min %.1f, max %.1f; %zu runs)\n", what,
              entries, values[values.size() / 2], values.front(), values.back(), values.size());
}

// One window: ApplySkin as its load runs it (the window not yet shown, the entries not yet in
// the menu), putting the entries into the skinned menu as its first opening does, and ApplySkin
// once more on the shown window with every entry in its menu.
bool MeasureOnce(MainWindows& windows, int entries, Figures& figures) {
  frmMain& form = windows.CreateMainWindow();
  LoadAllFavorite(form);
  const bool complete = form.mnuMainFavoriteUser.UBound() == entries;
  figures.load.push_back(TimeApplySkin(form));
  const Clock::time_point start = Clock::now();
  PlaceFavoriteEntries(form);
  figures.place.push_back(Milliseconds(Clock::now() - start));
  form.Window().show_all();
  DoEvents();
  figures.shown.push_back(TimeApplySkin(form));

  const int live = frmMain::InstanceCount();
  form.Unload();
  while (frmMain::InstanceCount() == live) g_main_context_iteration(nullptr, TRUE);
  if (!complete) std::fprintf(stderr, "the menu does not list all %d shortcuts\n", entries);
  return complete;
}

int Main(int argc, char** argv) {
  int runs = kDefaultRuns;
  int entries = kDefaultEntries;
  for (int i = 1; i < argc; ++i) {
    const bool is_runs = std::string_view(argv[i]) == "--runs" && i + 1 < argc;
    const char* text = is_runs ? argv[++i] : argv[i];
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto [rest, ec] = std::from_chars(text, end, value);
    if (ec != std::errc() || rest != end || value < 1 ||
        value > (is_runs ? kMaxRuns : kMaxFavoriteEntries)) {
      std::fprintf(stderr, "usage: %s [--runs 1-%d] [ENTRIES 1-%d]\n", argv[0], kMaxRuns,
                   kMaxFavoriteEntries);
      return 2;
    }
    (is_runs ? runs : entries) = value;
  }

  const std::string skin = ProgramFolder() + "/" + kSkinFileName;
  if (!g_file_test(skin.c_str(), G_FILE_TEST_IS_REGULAR)) {
    std::fprintf(stderr, "no skin at %s\n", skin.c_str());
    return 1;
  }
  ScratchProfile profile;
  if (!profile.error().empty()) {
    std::fprintf(stderr, "%s\n", profile.error().c_str());
    return 1;
  }
  g_setenv("XDG_DATA_HOME", (profile.root() / "data").c_str(), TRUE);
  XdgShellFolders folders;
  ThePlatform().shell_folders = &folders;
  CssSkinComponent skins;
  ThePlatform().skins = &skins;
  const std::string favorites = folders.FolderPath(kCsidlFavorites);
  if (favorites.empty() || !WriteFavoriteShortcuts(favorites, 0, entries)) {
    std::fprintf(stderr, "cannot write the shortcuts\n");
    return 1;
  }

  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  // Controls that do nothing: the figures are the window's own.
  test::FakeControlFactory factory;
  MainWindows windows(factory, {});
  int failures = 0;
  Figures figures;
  Figures warm_up;
  // The first run warms the caches and is not counted.
  for (int run = 0; run <= runs; ++run) {
    if (!MeasureOnce(windows, entries, run == 0 ? warm_up : figures)) ++failures;
  }
  Print("load", entries, figures.load);
  Print("place", entries, figures.place);
  Print("shown", entries, figures.shown);
  ThePlatform().skins = nullptr;
  ThePlatform().shell_folders = nullptr;
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace lumetta::bench

int main(int argc, char** argv) {
  return lumetta::bench::RunWithDisplay(argc, argv, &lumetta::bench::Main);
}
