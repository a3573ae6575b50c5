// What the page commands cost on the real engine, in the browser's own windows: print preview
// of a 20-page local document from the menu click to its first page on screen, and find next on
// a 1 MB page. Absolute figures with targets (README.md).
//
//   print_find_bench [--runs N]   (default 7 previews and 21 finds)
#include <glib.h>
#include <webkit2/webkit2.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "display_main.h"
#include "engine/printing/print_job.h"
#include "engine/printing/print_setup.h"
#include "engine/webkit_engine.h"
#include "main_loop_wait.h"
#include "scratch_profile.h"
#include "shell/main_windows.h"
#include "tests/support/dialog_driver.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::bench {
namespace {

constexpr int kPages = 20;
constexpr size_t kFindPageBytes = 1 << 20;
constexpr char kWord[] = "琉梅塔";

void Print(const char* what, std::vector<double> values, double target) {
  if (values.empty()) return;
  std::sort(values.begin(), values.end());
  std::printf("%-38s median %7.1f ms (min %.1f, max %.1f; %zu runs", what,
              values[values.size() / 2], values.front(), values.back(), values.size());
  if (target > 0) std::printf("; target %.0f ms", target);
  std::printf(")\n");
}

std::string WriteFile(const std::filesystem::path& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
  return "file://" + path.string();
}

// Twenty pages, each its own section.
std::string TwentyPages() {
  std::string html = "<html><head><meta charset=\"utf-8\"><title>二十页</title></head><body>";
  for (int page = 1; page <= kPages; ++page) {
    html += std::string(page > 1 ? "<section style=\"page-break-before:always\">" : "<section>") +
            "<h1>第 " + std::to_string(page) + " 页</h1>";
    for (int line = 0; line < 12; ++line) {
      html +=
          "<p>琉梅塔是一个小巧的桌面网页浏览器。The quick brown fox jumps over the lazy "
          "dog.</p>";
    }
    html += "</section>";
  }
  return html + "</body></html>";
}

// A megabyte of text with the word in every fiftieth paragraph.
std::string OneMegabyte() {
  std::string html = "<html><head><meta charset=\"utf-8\"><title>一兆字节</title></head><body>";
  for (int i = 0; html.size() < kFindPageBytes; ++i) {
    html += "<p>第 " + std::to_string(i) + " 段：中文文字与 English words 混排的一段话。" +
            (i % 50 == 0 ? kWord : "") + "</p>";
  }
  return html + "</body></html>";
}

bool Open(frmMain& form, const std::string& url, const std::string& title) {
  form.webMain->Navigate(url);
  return WaitUntil([&] { return form.webMain->LocationName() == title; });
}

// From choosing File > Print Preview to the first page drawn in the preview window. The first
// preview of the process also starts the engine's printing machinery; it is given apart.
std::vector<double> MeasurePreview(frmMain& form, int runs, double& first_preview) {
  std::vector<double> samples;
  for (int run = 0; run <= runs; ++run) {
    const double clicked = NowMs();
    form.mnuMainFilePrintPreView.PerformClick();
    GtkWindow* preview = test::WaitForWindow("打印预览", 0);
    GtkWidget* page = preview ? test::WidgetNamed(preview, "preview-page") : nullptr;
    if (page == nullptr) break;
    double shown = 0;
    const std::string first = "第 1 页，共 " + std::to_string(kPages) + " 页";
    // Ahead of the window's own drawing, which ends the signal.
    Glib::wrap(page)->signal_draw().connect(
        [&](const Cairo::RefPtr<Cairo::Context>&) {
          if (shown == 0 && test::LabelText(preview, "preview-page-label") == first) {
            shown = NowMs();
          }
          return false;
        },
        false);
    if (!WaitUntil([&] { return shown != 0; })) {
      std::fprintf(stderr, "print_find_bench: the preview never showed its first page (%s)\n",
                   test::LabelText(preview, "preview-page-label").c_str());
      gtk_window_close(preview);
      break;
    }
    if (run == 0) {
      first_preview = shown - clicked;
    } else {
      samples.push_back(shown - clicked);
    }
    gtk_window_close(preview);
    WaitUntil([&] { return !test::IsShown("打印预览"); });
  }
  return samples;
}

// The engine alone: the same page printed to a PDF file, from the call to the engine's end.
// Every preview pays this first.
std::vector<double> MeasureEnginePrint(frmMain& form, const std::filesystem::path& folder,
                                       int runs) {
  std::vector<double> samples;
  auto* view = WEBKIT_WEB_VIEW(form.webMain.Get().GetWidget().gobj());
  const auto settings = PrintSetup::Get().Settings()->copy();
  settings->set_printer(FilePrinterName());
  settings->set(GTK_PRINT_SETTINGS_OUTPUT_URI, "file://" + (folder / "engine.pdf").string());
  for (int run = 0; run <= runs; ++run) {
    WebKitPrintOperation* operation = webkit_print_operation_new(view);
    webkit_print_operation_set_page_setup(operation, PrintSetup::Get().PageSetup()->gobj());
    webkit_print_operation_set_print_settings(operation, settings->gobj());
    bool finished = false;
    g_signal_connect(operation, "finished", G_CALLBACK(+[](WebKitPrintOperation*, gpointer done) {
                       *static_cast<bool*>(done) = true;
                     }),
                     &finished);
    const double started = NowMs();
    webkit_print_operation_print(operation);
    const bool done = WaitUntil([&] { return finished; });
    if (done && run > 0) samples.push_back(NowMs() - started);
    g_object_unref(operation);
    if (!done) break;
  }
  return samples;
}

// Find next in the find dialog, from the click to the engine's answer; the first search, which
// highlights every match, apart.
std::vector<double> MeasureFindNext(frmMain& form, int runs, double& first_search) {
  std::vector<double> samples;
  form.webMain->GrabFocus();
  form.mnuMainEditFind.PerformClick();
  GtkWindow* dialog = test::WaitForWindow("查找");
  if (dialog == nullptr || !test::TypeInto(dialog, "find-text", kWord)) return {};
  auto* view = WEBKIT_WEB_VIEW(form.webMain.Get().GetWidget().gobj());
  int answers = 0;
  g_signal_connect(webkit_web_view_get_find_controller(view), "found-text",
                   G_CALLBACK(+[](WebKitFindController*, guint, gpointer count) {
                     ++*static_cast<int*>(count);
                   }),
                   &answers);
  for (int run = 0; run <= runs; ++run) {
    const int before = answers;
    const double clicked = NowMs();
    gtk_dialog_response(GTK_DIALOG(dialog), 1);
    if (!WaitUntil([&] { return answers > before; })) break;
    const double answered = NowMs() - clicked;
    if (run == 0) {
      first_search = answered;
    } else {
      samples.push_back(answered);
    }
  }
  g_signal_handlers_disconnect_by_data(webkit_web_view_get_find_controller(view), &answers);
  return samples;
}

int Main(int argc, char** argv) {
  int runs = 7;
  if (argc == 3 && std::string(argv[1]) == "--runs") runs = std::max(1, std::atoi(argv[2]));
  const ScratchProfile profile;
  for (const std::string& variable : profile.Environment()) {
    const size_t equals = variable.find('=');
    g_setenv(variable.substr(0, equals).c_str(), variable.substr(equals + 1).c_str(), TRUE);
  }
  // The preview is laid out for A4, in portrait.
  auto page_setup = Gtk::PageSetup::create();
  page_setup->set_paper_size_and_default_margins(Gtk::PaperSize(Gtk::PAPER_NAME_A4));
  PrintSetup::Get().Update(page_setup, Gtk::PrintSettings::create());

  const std::string twenty = WriteFile(profile.root() / "二十页.html", TwentyPages());
  const std::string large = WriteFile(profile.root() / "large.html", OneMegabyte());
  auto factory = std::make_unique<WebKitEngine>();
  int status = 0;
  {
    MainWindows windows(*factory, {});
    frmMain& form = windows.CreateMainWindow();
    form.mstrURLNewWindow = "about:blank";
    form.Show();
    if (!Open(form, twenty, "二十页")) return 1;
    double first_preview = 0;
    const auto preview = MeasurePreview(form, runs, first_preview);
    const auto engine = MeasureEnginePrint(form, profile.root(), runs);
    std::printf("%-38s %7.1f ms (the process's first print)\n", "first print preview (20 pages)",
                first_preview);
    Print("engine print to PDF (20 pages)", engine, 0);
    Print("print preview to first page (20 pages)", preview, 1500);
    if (!Open(form, large, "一兆字节")) return 1;
    double first_search = 0;
    const auto find = MeasureFindNext(form, runs * 3, first_search);
    std::printf("%-38s %7.1f ms (every match highlighted)\n", "find, first search (1 MB)",
                first_search);
    Print("find next (1 MB)", find, 50);
    if (preview.empty() || find.empty()) status = 1;
  }
  return status;
}

}  // namespace
}  // namespace lumetta::bench

int main(int argc, char** argv) {
  return lumetta::bench::RunWithDisplay(argc, argv, &lumetta::bench::Main);
}
