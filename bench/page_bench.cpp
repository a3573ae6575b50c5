// Times two page commands on large pages with the real engine: see README.md.
//
//   page_bench [--runs N]   (default 7 counted runs of each, after one warm-up)

#include <glib.h>
#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "display_main.h"
#include "engine/webkit_engine.h"
#include "loopback_server.h"
#include "platform/file_io.h"
#include "platform/platform.h"
#include "scratch_profile.h"
#include "shell/main_windows.h"
#include "tests/support/fake_shell.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDefaultRuns = 7;
constexpr int kMaxRuns = 1000;
constexpr size_t kSourcePageBytes = 5 * 1024 * 1024;
// A long article, and the page whose source is shown.
constexpr size_t kZoomPageBytes[] = {256 * 1024, kSourcePageBytes};
constexpr char kTitle[] = "大页面";

double Milliseconds(Clock::time_point start, Clock::time_point end = Clock::now()) {
  return std::chrono::duration<double, std::milli>(end - start).count();
}

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 30000) {
  const Clock::time_point start = Clock::now();
  while (!condition()) {
    if (Milliseconds(start) > timeout_ms) return false;
    g_main_context_iteration(nullptr, TRUE);
  }
  return true;
}

// About `bytes` of numbered Chinese paragraphs with inline boxes, so that a zoom has text and
// boxes to lay out again.
std::string LargePage(size_t bytes) {
  std::string html = std::string("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") +
                     kTitle + "</title></head><body>";
  char paragraph[512];
  for (int i = 1; html.size() < bytes; ++i) {
    std::snprintf(paragraph, sizeof paragraph,
                  "<p id=\"p%d\">第%d段：琉梅塔浏览器的网页缩放与查看源文件测试文字。"
                  "<span style=\"display:inline-block;width:40px;height:12px;"
                  "background:#4a90d9\"></span> Lumetta zoom and source.</p>\n",
                  i, i);
    html += paragraph;
  }
  return html + "</body></html>";
}

void Print(const std::string& what, std::vector<double> values, const char* target) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  std::printf("page %-42s median %7.1f ms (min %.1f, max %.1f; %zu runs)%s\n", what.c_str(),
              values[values.size() / 2], values.front(), values.back(), values.size(), target);
}

// When a view paints next after being armed.
struct PaintWatch {
  explicit PaintWatch(GtkWidget* view) : view_(view) {
    handler_ = g_signal_connect_after(view, "draw", G_CALLBACK(&PaintWatch::OnDraw), this);
  }
  ~PaintWatch() { g_signal_handler_disconnect(view_, handler_); }

  // Runs `step` once the view has not painted for a while (a large page comes in several
  // frames) and gives the time from the step to its next paint; negative when none came.
  double Time(const std::function<void()>& step) {
    WaitUntil([this] { return Milliseconds(painted_at_) > 500; }, 10000);
    const Clock::time_point start = Clock::now();
    step();
    const bool painted = WaitUntil([&] { return painted_at_ > start; }, 10000);
    return painted ? Milliseconds(start, painted_at_) : -1;
  }

 private:
  static gboolean OnDraw(GtkWidget*, cairo_t*, gpointer data) {
    static_cast<PaintWatch*>(data)->painted_at_ = Clock::now();
    return FALSE;
  }

  GtkWidget* view_;
  gulong handler_ = 0;
  Clock::time_point painted_at_ = Clock::now();
};

// A WebKitGTK view alone in a window: the engine's own cost of the same zoom.
struct BareView {
  BareView() {
    view = webkit_web_view_new();
    window.add(*Glib::wrap(view));
    window.set_default_size(1200, 900);
    window.show_all();
  }
  bool Load(const std::string& url) {
    webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), url.c_str());
    return WaitUntil([&] {
      return !webkit_web_view_is_loading(WEBKIT_WEB_VIEW(view)) &&
             g_strcmp0(webkit_web_view_get_title(WEBKIT_WEB_VIEW(view)), kTitle) == 0;
    });
  }
  void Zoom(const char* factor) {
    const std::string script = std::string("document.body.style.cssText = 'zoom:") + factor + ";'";
    webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(view), script.c_str(), -1, nullptr, nullptr,
                                        nullptr, nullptr, nullptr);
  }

  Gtk::Window window;
  GtkWidget* view;
};

int Main(int argc, char** argv) {
  int runs = kDefaultRuns;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const char* text = i + 1 < argc ? argv[i + 1] : "";
    const char* end = text + std::strlen(text);
    const auto [rest, ec] = std::from_chars(text, end, runs);
    if (argument != "--runs" || ec != std::errc() || rest != end || runs < 1 || runs > kMaxRuns) {
      std::fprintf(stderr, "usage: %s [--runs 1-%d]\n", argv[0], kMaxRuns);
      return 2;
    }
    ++i;
  }

  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  ScratchProfile profile;
  if (!profile.error().empty()) {
    std::fprintf(stderr, "%s\n", profile.error().c_str());
    return 1;
  }
  for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
    g_setenv(variable, (profile.root() / variable).c_str(), TRUE);
  }
  // The editor is not started: the figure ends with the file written.
  test::FakeShell shell;
  ThePlatform().shell = &shell;

  LoopbackServer server;
  auto factory = std::make_unique<WebKitEngine>();
  int status = 0;
  {
    MainWindows windows(*factory, {});
    frmMain& form = windows.CreateMainWindow();
    form.Show();
    BareView bare;
    PaintWatch ours(GTK_WIDGET(form.webMain.Get().GetWidget().gobj()));
    PaintWatch theirs(bare.view);

    for (const size_t bytes : kZoomPageBytes) {
      const std::string path = "/page" + std::to_string(bytes);
      server.AddPage(path, LargePage(bytes));
      const std::string url = server.Url(path);
      form.webMain->Navigate(url);
      if (!WaitUntil([&] {
            return form.txtURL.Text() == url &&
                   form.Window().get_title() == std::string(kTitle) + " - Lumetta";
          }) ||
          !bare.Load(url)) {
        std::fprintf(stderr, "page_bench: a page of %zu bytes never loaded\n", bytes);
        return 1;
      }
      const std::string size = std::to_string(bytes / 1024) + " KiB";

      std::vector<double> zoom_ms;
      std::vector<double> bare_ms;
      for (int run = 0; run <= runs; ++run) {
        // Alternately in and out, so the page stays near its own size.
        const bool in = run % 2 == 0;
        const double mine =
            ours.Time([&] { form.mnuMainViewPageZoomX(in ? 0 : 1).PerformClick(); });
        const double engine = theirs.Time([&] { bare.Zoom(in ? "1.20" : "0.96"); });
        if (mine < 0 || engine < 0) {
          std::fprintf(stderr, "page_bench: no repaint after a zoom step\n");
          status = 1;
        } else if (run > 0) {
          zoom_ms.push_back(mine);
          bare_ms.push_back(engine);
        }
      }
      Print("zoom step " + size + ", click to repainted", zoom_ms, " (target < 100 ms)");
      Print("  bare WebKitGTK view, same style change", bare_ms, "");

      if (bytes != kSourcePageBytes) continue;
      std::vector<double> source_ms;
      for (int run = 0; run <= runs; ++run) {
        shell.calls.clear();
        const Clock::time_point start = Clock::now();
        form.mnuMainViewSourceCode.PerformClick();
        const double elapsed = Milliseconds(start);
        std::string written;
        if (!shell.calls.empty()) {
          // "Open|notepad.exe|PATH|FOLDER|1": the file the editor was given.
          const std::string& call = shell.calls.back();
          const size_t from = call.find('|', call.find('|') + 1) + 1;
          ReadRegularFile(call.substr(from, call.find('|', from) - from), 2 * bytes, written);
        }
        if (written.size() < bytes) {
          std::fprintf(stderr, "page_bench: the source file holds %zu bytes only\n",
                       written.size());
          status = 1;
        } else if (run > 0) {
          source_ms.push_back(elapsed);
        }
      }
      Print("view source " + size + ", click to file written", source_ms, " (target < 1000 ms)");
    }
  }
  ThePlatform().shell = nullptr;
  return status;
}

}  // namespace
}  // namespace lumetta::bench

int main(int argc, char** argv) {
  return lumetta::bench::RunWithDisplay(argc, argv, &lumetta::bench::Main);
}
