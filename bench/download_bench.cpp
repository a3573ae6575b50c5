// A large download from 127.0.0.1 to a file, saved through the browser's own dialogs, against
// curl fetching the same address on the same machine: throughput, and how much the browser's
// memory grows while the data flows through it.
#include <glib.h>
#include <glib/gstdio.h>
#include <gtkmm/main.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/webkit_engine.h"
#include "loopback_server.h"
#include "process_memory.h"
#include "shell/main_windows.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/wait.h"
#include "ui/main_window/frm_main.h"

namespace {

using lumetta::frmMain;
namespace test = lumetta::test;

constexpr char kFileName[] = "big.bin";
constexpr int kDownloadTimeoutMs = 15 * 60 * 1000;

double NowS() { return g_get_monotonic_time() / 1e6; }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The loopback server answers from a thread of its own, so that serving the data does not
// compete with the browser's main loop.
class ServerThread {
 public:
  explicit ServerThread(uint64_t size) {
    std::promise<std::string> ready;
    auto url = ready.get_future();
    thread_ = std::thread([this, size, &ready] {
      g_main_context_push_thread_default(context_);
      {
        lumetta::bench::LoopbackServer server;
        server.AddDownload("/big", size, kFileName);
        ready.set_value(server.error().empty() ? server.Url("/big") : "");
        g_main_loop_run(loop_);
      }
      g_main_context_pop_thread_default(context_);
    });
    url_ = url.get();
  }
  ~ServerThread() {
    g_main_context_invoke(
        context_,
        [](gpointer loop) -> gboolean {
          g_main_loop_quit(static_cast<GMainLoop*>(loop));
          return G_SOURCE_REMOVE;
        },
        loop_);
    thread_.join();
    g_main_loop_unref(loop_);
    g_main_context_unref(context_);
  }
  const std::string& url() const { return url_; }

 private:
  GMainContext* context_ = g_main_context_new();
  GMainLoop* loop_ = g_main_loop_new(context_, FALSE);
  std::thread thread_;
  std::string url_;
};

uint64_t FileSize(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return error ? 0 : size;
}

// Seconds curl takes to fetch `url` into `path`; negative when it fails.
double CurlSeconds(const std::string& url, const std::string& path) {
  const char* argv[] = {"curl", "-s", "-o", path.c_str(), url.c_str(), nullptr};
  gint status = 1;
  const double start = NowS();
  if (!g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr,
                    nullptr, nullptr, nullptr, &status, nullptr) ||
      status != 0) {
    return -1;
  }
  return NowS() - start;
}

// Seconds a bare WebKitGTK view takes to download `url` into `path`, the destination set at
// once: the engine's own floor, without any dialog or window of the browser. The view has a
// web context of its own, whose downloads the browser's code does not see.
double BareWebKitSeconds(WebKitWebContext* context, const std::string& url,
                         const std::string& path) {
  GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
  GtkWidget* view = webkit_web_view_new_with_context(context);
  gtk_container_add(GTK_CONTAINER(window), view);
  gtk_widget_show_all(window);
  struct State {
    std::string path;
    double start = 0;
    double end = -1;
    bool over = false;
  } state{path};
  WebKitDownload* download = webkit_web_view_download_uri(WEBKIT_WEB_VIEW(view), url.c_str());
  g_signal_connect(download, "decide-destination",
                   G_CALLBACK(+[](WebKitDownload* d, gchar*, gpointer data) -> gboolean {
                     auto* state = static_cast<State*>(data);
                     state->start = NowS();
                     webkit_download_set_destination(d, state->path.c_str());
                     return TRUE;
                   }),
                   &state);
  g_signal_connect(download, "finished", G_CALLBACK(+[](WebKitDownload*, gpointer data) {
                     auto* state = static_cast<State*>(data);
                     if (!state->over) state->end = NowS();
                     state->over = true;
                   }),
                   &state);
  g_signal_connect(download, "failed", G_CALLBACK(+[](WebKitDownload*, GError*, gpointer data) {
                     static_cast<State*>(data)->over = true;
                   }),
                   &state);
  test::WaitUntil([&] { return state.over; }, kDownloadTimeoutMs);
  g_signal_handlers_disconnect_by_data(download, &state);
  g_object_unref(download);
  gtk_widget_destroy(window);
  return state.end < 0 ? -1 : state.end - state.start;
}

struct BrowserRun {
  double seconds = -1;
  long own_growth_kb = 0;
  long tree_growth_kb = 0;
};

// Navigates `window` to `url`, answers "保存" into `folder` and waits for the end.
BrowserRun BrowserDownload(frmMain& window, const std::string& url, const std::string& folder) {
  BrowserRun run;
  window.webMain->Navigate(url);
  GtkWindow* dialog = test::WaitForWindow("文件下载", 20000);
  if (dialog == nullptr || !test::Click(dialog, "保存(_S)")) return run;
  GtkWindow* chooser = test::WaitForWindow("另存为", 20000);
  if (chooser == nullptr) return run;
  gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(chooser), folder.c_str());
  test::WaitUntil([&] {
    gchar* current = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(chooser));
    const bool there = current != nullptr && folder == current;
    g_free(current);
    return there && gtk_widget_get_mapped(GTK_WIDGET(chooser));
  });
  test::RunFor(200);
  const long own_before = lumetta::bench::OwnResidentKb();
  const long tree_before = lumetta::bench::TreeResidentKb();
  long own_peak = own_before;
  long tree_peak = tree_before;
  const guint sampler = g_timeout_add(
      250,
      [](gpointer data) -> gboolean {
        auto* peaks = static_cast<std::pair<long*, long*>*>(data);
        *peaks->first = std::max(*peaks->first, lumetta::bench::OwnResidentKb());
        *peaks->second = std::max(*peaks->second, lumetta::bench::TreeResidentKb());
        return G_SOURCE_CONTINUE;
      },
      new std::pair<long*, long*>(&own_peak, &tree_peak));
  const double start = NowS();
  if (!test::Click(chooser, "保存(_S)")) return run;
  GtkWindow* done = test::WaitForWindow(std::string("下载完毕 - ") + kFileName, kDownloadTimeoutMs);
  const double seconds = NowS() - start;
  g_source_remove(sampler);
  if (done == nullptr) return run;
  test::Click(done, "关闭(_C)");
  run.seconds = seconds;
  run.own_growth_kb = own_peak - own_before;
  run.tree_growth_kb = tree_peak - tree_before;
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t size_mib = 1024;
  int runs = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--size") == 0) size_mib = std::strtoull(argv[i + 1], nullptr, 10);
    if (std::strcmp(argv[i], "--runs") == 0) runs = std::atoi(argv[i + 1]);
  }
  if (size_mib == 0 || runs < 1) {
    std::fprintf(stderr, "usage: download_bench [--size MIB] [--runs N]\n");
    return 2;
  }
  const uint64_t size = size_mib * 1024 * 1024;
  char* profile = g_dir_make_tmp("lumetta-bench-XXXXXX", nullptr);
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
    g_setenv(variable, (std::string(profile) + "/" + variable).c_str(), TRUE);
  }
  g_setenv("GSETTINGS_BACKEND", "memory", TRUE);
  if (!gtk_init_check(&argc, &argv)) {
    std::fprintf(stderr, "download_bench: no display (run it under xvfb-run)\n");
    return 2;
  }
  Gtk::Main::init_gtkmm_internals();
  const std::string folder = std::string(profile) + "/saved";
  g_mkdir_with_parents(folder.c_str(), 0700);
  const std::string saved = folder + "/" + kFileName;

  int status = 0;
  {
    ServerThread server(size);
    if (server.url().empty()) {
      std::fprintf(stderr, "download_bench: the loopback server does not listen\n");
      return 1;
    }
    auto factory = std::make_unique<lumetta::WebKitEngine>();
    lumetta::MainWindows windows(*factory, {});
    frmMain& window = windows.CreateMainWindow();
    window.mstrURLNewWindow = "about:blank";
    window.Show();
    test::WaitUntil([&] { return window.txtURL.Text() == "about:blank"; }, 20000);

    WebKitWebContext* bare_context = webkit_web_context_new();
    std::vector<double> curl_rates, bare_rates, browser_rates, ratios;
    long own_growth = 0, tree_growth = 0;
    const double mib = static_cast<double>(size) / (1024 * 1024);
    for (int run = 1; run <= runs; ++run) {
      const double curl = CurlSeconds(server.url(), saved);
      const bool curl_whole = FileSize(saved) == size;
      g_remove(saved.c_str());
      const double bare = BareWebKitSeconds(bare_context, server.url(), saved);
      if (bare > 0 && FileSize(saved) == size) bare_rates.push_back(mib / bare);
      g_remove(saved.c_str());
      const BrowserRun browser = BrowserDownload(window, server.url(), folder);
      const bool browser_whole = FileSize(saved) == size;
      g_remove(saved.c_str());
      if (curl < 0 || !curl_whole || browser.seconds < 0 || !browser_whole) {
        std::printf("download run %d/%d: failed (curl %s, lumetta %s)\n", run, runs,
                    curl_whole ? "ok" : "incomplete", browser_whole ? "ok" : "incomplete");
        status = 1;
        continue;
      }
      curl_rates.push_back(mib / curl);
      browser_rates.push_back(mib / browser.seconds);
      ratios.push_back(curl / browser.seconds);
      own_growth = std::max(own_growth, browser.own_growth_kb);
      tree_growth = std::max(tree_growth, browser.tree_growth_kb);
      std::printf(
          "download run %d/%d: curl %.1f MiB/s, bare WebKitGTK %.1f MiB/s, lumetta %.1f MiB/s, "
          "memory +%.1f MiB (+%.1f MiB with engine processes)\n",
          run, runs, curl_rates.back(), bare_rates.empty() ? 0.0 : bare_rates.back(),
          browser_rates.back(), browser.own_growth_kb / 1024.0, browser.tree_growth_kb / 1024.0);
      std::fflush(stdout);
    }
    g_object_unref(bare_context);
    if (!ratios.empty()) {
      std::printf("download %.0f MiB curl: median %.1f MiB/s\n", mib, Median(curl_rates));
      if (!bare_rates.empty()) {
        std::printf("download %.0f MiB bare WebKitGTK: median %.1f MiB/s\n", mib,
                    Median(bare_rates));
      }
      std::printf("download %.0f MiB lumetta: median %.1f MiB/s\n", mib, Median(browser_rates));
      std::printf("download ratio lumetta/curl: %.2f (target at least 0.80)\n", Median(ratios));
      if (!bare_rates.empty()) {
        std::printf("download ratio lumetta/bare WebKitGTK: %.2f\n",
                    Median(browser_rates) / Median(bare_rates));
      }
      std::printf(
          "download memory growth, largest: browser process %.1f MiB, with engine processes "
          "%.1f MiB (target under 50 MiB)\n",
          own_growth / 1024.0, tree_growth / 1024.0);
    }
  }
  std::filesystem::remove_all(profile);
  g_free(profile);
  return status;
}
