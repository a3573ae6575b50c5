// Times Tools > 清除所有历史记录 with a full history and a warm disk cache: see README.md.
//
//   clear_history_bench [--runs N]   (default 7)

#include <glib.h>
#include <glibmm/miscutils.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "display_main.h"
#include "engine/webkit_engine.h"
#include "loopback_server.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/url_history.h"
#include "scratch_profile.h"
#include "shell/main_windows.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 7;
constexpr int kVisits = 10000;
constexpr int kScripts = 200;
constexpr size_t kScriptBytes = 16 << 10;
// Longer than the engine takes to write what it caches, and than the second clearing it gets.
constexpr int kSettleMs = 2000;

// Answers Yes, and notes when the question was answered and when the clearing reported.
class TimingMessageBox : public MessageBox {
 public:
  int Show(const std::string& prompt, int style, const std::string&) override {
    if ((style & 0x0F) == kMbYesNo) {
      answered = Clock::now();
      return kIdYes;
    }
    reported = Clock::now();
    report = prompt;
    return kIdOk;
  }

  Clock::time_point answered;
  Clock::time_point reported;
  std::string report;
};

void RunFor(int ms) {
  const auto end = Clock::now() + std::chrono::milliseconds(ms);
  while (Clock::now() < end) {
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(1000);
  }
}

bool WaitFor(const std::function<bool()>& condition, int timeout_ms = 30000) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeout_ms);
  while (!condition()) {
    if (Clock::now() > end) return false;
    g_main_context_iteration(nullptr, TRUE);
  }
  return true;
}

// Files and bytes of the engine's disk cache.
std::pair<int, uintmax_t> DiskCache(const std::filesystem::path& folder) {
  int files = 0;
  uintmax_t bytes = 0;
  std::error_code error;
  for (std::filesystem::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (it->is_regular_file(error)) {
      ++files;
      bytes += it->file_size(error);
    }
  }
  return {files, bytes};
}

void Print(const char* what, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::printf("%s: median %.1f ms (min %.1f, max %.1f; %zu runs)\n", what,
              values[values.size() / 2], values.front(), values.back(), values.size());
}

int Main(int argc, char** argv) {
  int runs = kDefaultRuns;
  if (argc == 3 && std::strcmp(argv[1], "--runs") == 0) runs = std::atoi(argv[2]);
  if ((argc != 1 && argc != 3) || runs < 1 || runs > 1000) {
    std::fprintf(stderr, "usage: %s [--runs 1-1000]\n", argv[0]);
    return 2;
  }
  ScratchProfile profile;
  LoopbackServer server;
  for (const std::string& error : {profile.error(), server.error()}) {
    if (!error.empty()) {
      std::fprintf(stderr, "%s\n", error.c_str());
      return 1;
    }
  }
  g_setenv("XDG_CONFIG_HOME", (profile.root() / "config").c_str(), TRUE);
  g_setenv("XDG_DATA_HOME", (profile.root() / "data").c_str(), TRUE);
  g_setenv("XDG_CACHE_HOME", (profile.root() / "cache").c_str(), TRUE);
  // The engine keeps its data under the program's name, as the browser's does.
  Glib::set_prgname("lumetta");
  const std::filesystem::path disk_cache = profile.root() / "cache" / "lumetta" / "WebKitCache";

  // A page of scripts the engine keeps in its disk cache, and a beacon once they have run.
  std::string page = "<html><head><title>缓存预热</title></head><body>";
  for (int i = 0; i < kScripts; ++i) {
    const std::string path = "/r/" + std::to_string(i) + ".js";
    page += "<script src=\"" + path + "\"></script>";
    server.AddCached(path, "text/javascript",
                     "var 变量" + std::to_string(i) + " = 1;//" + std::string(kScriptBytes, 'x'));
  }
  page += "<script>fetch('/loaded')</script></body></html>";
  server.AddPage("/warm", page);
  int loads = 0;
  server.AddBeacon("/loaded", [&loads] { ++loads; });

  FileUrlHistory history((profile.root() / "data" / "lumetta" / "history").string());
  TimingMessageBox box;
  const auto factory = std::make_unique<WebKitEngine>(WebKitEngine::Options{&history});
  ThePlatform().url_history = &history;
  ThePlatform().url_cache = factory->GetUrlCache();
  ThePlatform().message_box = &box;
  MainWindows windows(*factory, {});
  frmMain& form = windows.CreateMainWindow();
  form.mstrURLNewWindow = "about:blank";
  form.Show();

  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  std::vector<double> figures;
  int failures = 0;
  // The first run warms up and is not counted.
  for (int run = 0; run <= runs; ++run) {
    for (int visit = 0; visit < kVisits; ++visit) {
      history.Record("https://www.例子.com/新闻/" + std::to_string(visit) + "?来源=首页");
    }
    RunFor(kSettleMs);
    const int loaded = loads;
    form.webMain->Navigate(server.Url("/warm"));
    if (!WaitFor([&] { return loads > loaded; })) {
      std::fprintf(stderr, "the page did not load\n");
      return 1;
    }
    RunFor(kSettleMs);
    const size_t entries = history.Entries().size();
    const auto [files, bytes] = DiskCache(disk_cache);

    form.mnuMainToolHistoryClearExplorer.PerformClick();
    const double ms =
        std::chrono::duration<double, std::milli>(box.reported - box.answered).count();
    const bool cleared = box.report == "已经清除成功!" && history.Entries().empty();
    if (!cleared) ++failures;
    std::printf("clear run %d/%d: %.1f ms, %zu addresses, disk cache %d files %.1f MB: %s\n", run,
                runs, ms, entries, files, static_cast<double>(bytes) / (1 << 20),
                box.report.c_str());
    if (run > 0) figures.push_back(ms);
  }
  Print("clear from Yes to the success message", figures);
  RunFor(kSettleMs);
  std::printf("disk cache afterwards: %d files\n", DiskCache(disk_cache).first);
  ThePlatform() = {};
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace lumetta::bench

int main(int argc, char** argv) {
  return lumetta::bench::RunWithDisplay(argc, argv, &lumetta::bench::Main);
}
