// What a further main window costs: the time from File > New to the new window showing
// about:blank, as a share of the first window's start, and the resident memory, the engine's
// processes included, that each further window adds.
#include <glib.h>
#include <gtkmm/main.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/webkit_engine.h"
#include "loopback_server.h"
#include "main_loop_wait.h"
#include "process_memory.h"
#include "shell/main_windows.h"
#include "ui/main_window/frm_main.h"

namespace {

using lumetta::frmMain;
using lumetta::bench::NowMs;
using lumetta::bench::WaitUntil;

constexpr int kNewWindowRuns = 7;
constexpr int kMemoryWindows = 10;
constexpr int kSettleMs = 2000;

bool Shows(frmMain& window, const std::string& url) {
  return window.Window().get_mapped() && window.txtURL.Text() == url;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  char* profile = g_dir_make_tmp("lumetta-bench-XXXXXX", nullptr);
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
    g_setenv(variable, (std::string(profile) + "/" + variable).c_str(), TRUE);
  }
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "window_bench: no display (run it under xvfb-run)\n");
    return 2;
  }
  Gtk::Main::init_gtkmm_internals();

  lumetta::bench::LoopbackServer server;
  server.AddPage("/page",
                 "<html><head><meta charset=\"utf-8\"><title>第一个窗口</title></head>"
                 "<body><p>琉梅塔</p></body></html>");
  const std::string url = server.Url("/page");
  // As the browser's: the next window's view is made ahead.
  auto factory =
      std::make_unique<lumetta::WebKitEngine>(lumetta::WebKitEngine::Options{.spare_view = true});
  int status = 0;
  {
    lumetta::MainWindows windows(*factory, {});

    const double start = NowMs();
    frmMain& first = windows.CreateMainWindow();
    first.mstrURLNewWindow = url;
    first.Show();
    if (!WaitUntil([&] { return Shows(first, url); })) {
      std::fprintf(stderr, "window_bench: the first window never showed its page\n");
      return 1;
    }
    const double first_ms = NowMs() - start;

    std::vector<double> new_window_ms;
    for (int run = 0; run < kNewWindowRuns; ++run) {
      // As a user comes back to the menu: the browser has finished with the last window.
      WaitUntil([] { return false; }, kSettleMs);
      const double clicked = NowMs();
      first.mnuMainFileNewLabel.PerformClick();
      frmMain& added = windows.OpenWindow(windows.OpenCount() - 1);
      if (!WaitUntil([&] { return Shows(added, "about:blank"); })) {
        std::fprintf(stderr, "window_bench: a new window never showed about:blank\n");
        status = 1;
        break;
      }
      new_window_ms.push_back(NowMs() - clicked);
      added.Unload();
      WaitUntil([&] { return frmMain::InstanceCount() == 1; });
    }

    const long before_kb = lumetta::bench::TreeResidentKb();
    for (int i = 0; i < kMemoryWindows; ++i) {
      first.mnuMainFileNewLabel.PerformClick();
      frmMain& added = windows.OpenWindow(windows.OpenCount() - 1);
      WaitUntil([&] { return Shows(added, "about:blank"); });
    }
    WaitUntil([] { return false; }, 1000);  // let the new processes settle
    const long after_kb = lumetta::bench::TreeResidentKb();

    std::printf("window first start: %.1f ms\n", first_ms);
    if (!new_window_ms.empty()) {
      const double median = Median(new_window_ms);
      std::printf("window File > New to about:blank: median %.1f ms over %zu runs\n", median,
                  new_window_ms.size());
      std::printf("window ratio new/first: %.2f\n", median / first_ms);
    }
    std::printf(
        "window memory per extra window: %.1f MiB proportional set size (%d windows, "
        "engine processes included)\n",
        (after_kb - before_kb) / 1024.0 / kMemoryWindows, kMemoryWindows);
  }
  std::filesystem::remove_all(profile);
  g_free(profile);
  return status;
}
