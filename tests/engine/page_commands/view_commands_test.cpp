// The control's own page commands on the real engine: save as, print, print preview,
// properties and find, with their real dialogs.
#include <gtest/gtest.h>
#include <gtkmm/filechooserdialog.h>
#include <poppler.h>
#include <webkit2/webkit2.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

#include "engine/page_commands/save_page.h"
#include "engine/printing/print_job.h"
#include "engine/printing/print_setup.h"
#include "engine/webkit_engine.h"
#include "platform/platform.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/keystrokes.h"
#include "tests/support/local_server.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

std::string Gbk(const std::string& utf8) {
  gchar* bytes = g_convert(utf8.c_str(), -1, "GBK", "UTF-8", nullptr, nullptr, nullptr);
  std::string result = bytes;
  g_free(bytes);
  return result;
}

// The Subject header of a MIME message, unfolded, with its RFC 2047 words decoded.
std::string DecodedSubject(const std::string& message) {
  const size_t start = message.find("\r\nSubject:");
  if (start == std::string::npos) return "(none)";
  std::string value;
  size_t line = start + 10;
  std::string word;
  std::istringstream words(message.substr(line, message.find("\r\n\r\n") - line));
  while (words >> word) {
    if (word.rfind("=?UTF-8?B?", 0) == 0 && word.size() > 12) {
      gsize length = 0;
      guchar* bytes = g_base64_decode(word.substr(10, word.size() - 12).c_str(), &length);
      value.append(reinterpret_cast<char*>(bytes), length);
      g_free(bytes);
    } else if (word.find(':') != std::string::npos && word.back() == ':') {
      break;  // the next header
    } else {
      value += (value.empty() ? "" : " ") + word;
    }
  }
  return value;
}

// The files in `folder` other than `except`: what a save or print left behind.
std::vector<std::string> OtherFiles(const std::string& folder, const std::string& except) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename() != except) names.push_back(entry.path().filename());
  }
  return names;
}

PopplerDocument* OpenPdf(const std::string& path) {
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  PopplerDocument* document = poppler_document_new_from_file(uri, nullptr, nullptr);
  g_free(uri);
  return document;
}

int PdfPages(const std::string& path) {
  PopplerDocument* document = OpenPdf(path);
  if (document == nullptr) return -1;
  const int pages = poppler_document_get_n_pages(document);
  g_object_unref(document);
  return pages;
}

std::string PdfText(const std::string& path, int index) {
  PopplerDocument* document = OpenPdf(path);
  PopplerPage* page = document ? poppler_document_get_page(document, index) : nullptr;
  gchar* text = page ? poppler_page_get_text(page) : nullptr;
  const std::string result = text != nullptr ? text : "";
  g_free(text);
  if (page != nullptr) g_object_unref(page);
  if (document != nullptr) g_object_unref(document);
  return result;
}

class ViewCommandsTest : public testing::Test {
 protected:
  ViewCommandsTest() {
    ThePlatform().message_box = &box_;
    control_ = factory_->Create();
    control_->DocumentComplete.connect([this](const std::string&) { ++completed_; });
    window_.add(control_->GetWidget());
    window_.set_default_size(800, 600);
    window_.show_all();
  }
  ~ViewCommandsTest() override {
    window_.remove();
    ThePlatform().message_box = nullptr;
  }

  WebKitWebView* View() { return WEBKIT_WEB_VIEW(control_->GetWidget().gobj()); }
  bool Load(const std::string& path, const std::string& title) {
    control_->Navigate(server_.Url(path));
    return test::WaitUntil([&] {
      return completed_ > 0 && !webkit_web_view_is_loading(View()) &&
             control_->LocationName() == title;
    });
  }
  // Prints to `pdf` with A4 paper in `orientation`.
  static void UseFilePrinter(const std::string& pdf, Gtk::PageOrientation orientation) {
    auto page_setup = Gtk::PageSetup::create();
    page_setup->set_paper_size_and_default_margins(Gtk::PaperSize(Gtk::PAPER_NAME_A4));
    page_setup->set_orientation(orientation);
    auto settings = Gtk::PrintSettings::create();
    settings->set_printer(FilePrinterName());
    gchar* uri = g_filename_to_uri(pdf.c_str(), nullptr, nullptr);
    settings->set(GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
    g_free(uri);
    settings->set(GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
    PrintSetup::Get().Update(page_setup, settings);
  }

  test::LocalServer server_;
  test::FakeMessageBox box_;
  test::TempDir folder_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  std::unique_ptr<BrowserControl> control_;
  int completed_ = 0;
  Gtk::Window window_;
};

// A page whose bytes are GBK, as many Chinese sites still send them.
const std::string kSaveTitle = "保存/测试：中文标题";
const std::string kSaveBody =
    Gbk("<html><head><meta charset=\"gbk\"><title>保存/测试：中文标题</title></head>"
        "<body><p>你好，世界</p><p>second</p></body></html>");

struct SaveCase {
  const char* name;
  int filter;
  const char* proposed;
};

class SaveAsTest : public ViewCommandsTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(SaveAsTest, ChooserSavesTheChosenType) {
  test::LocalServer::Page page;
  page.content_type = "text/html; charset=gbk";
  page.body = kSaveBody;
  server_.Serve("/save", page);
  ASSERT_TRUE(Load("/save", kSaveTitle));
  ASSERT_TRUE(control_->ExecWB(kOleCmdIdSaveAs, kOleCmdExecOptDoDefault));

  GtkWindow* window = test::WaitForWindow("另存为");
  ASSERT_NE(window, nullptr);
  auto& chooser = dynamic_cast<Gtk::FileChooserDialog&>(*Glib::wrap(window));
  EXPECT_EQ(chooser.get_current_name(), "保存_测试：中文标题.mht");
  chooser.set_filter(chooser.list_filters().at(GetParam().filter));
  EXPECT_EQ(chooser.get_current_name(), GetParam().proposed);
  chooser.set_current_folder(folder_.Path());
  // The chooser takes up a folder in the background.
  ASSERT_TRUE(test::WaitUntil([&] { return chooser.get_current_folder() == folder_.Path(); }));
  chooser.response(Gtk::RESPONSE_ACCEPT);

  const std::string path = folder_.Path() + "/" + GetParam().proposed;
  ASSERT_TRUE(test::WaitUntil([&] { return fs::exists(path); }));
  const std::string saved = ReadFile(path);
  switch (GetParam().filter) {
    case 0:
      EXPECT_NE(saved.find("Content-Type: multipart/related"), std::string::npos);
      EXPECT_EQ(DecodedSubject(saved), kSaveTitle);
      break;
    case 1:
      EXPECT_EQ(saved, kSaveBody);
      break;
    case 2:
      EXPECT_TRUE(g_utf8_validate(saved.data(), static_cast<gssize>(saved.size()), nullptr));
      EXPECT_NE(saved.find("你好，世界"), std::string::npos);
      break;
  }
  EXPECT_TRUE(OtherFiles(folder_.Path(), GetParam().proposed).empty());
  EXPECT_TRUE(box_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Types, SaveAsTest,
                         testing::Values(SaveCase{"WebArchive", 0, "保存_测试：中文标题.mht"},
                                         SaveCase{"Html", 1, "保存_测试：中文标题.htm"},
                                         SaveCase{"Text", 2, "保存_测试：中文标题.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewCommandsTest, SaveThatCannotBeWrittenSaysSoAndLeavesNothing) {
  server_.Serve("/page", "<html><head><title>页</title></head><body>x</body></html>");
  ASSERT_TRUE(Load("/page", "页"));
  // A folder where the file should go: not even root can replace it with a file.
  const std::string taken = folder_.Path() + "/已存在.htm";
  fs::create_directory(taken);
  SavePage(View(), taken, SaveType::kHtml);
  ASSERT_TRUE(test::WaitUntil([&] { return !box_.shown.empty(); }));
  EXPECT_NE(box_.shown[0].prompt.find("无法保存文件“" + taken + "”"), std::string::npos);
  EXPECT_TRUE(fs::is_directory(taken));
  EXPECT_TRUE(OtherFiles(folder_.Path(), "已存在.htm").empty());
}

TEST_F(ViewCommandsTest, PrintsToAPdfFileWithoutAPrintServer) {
  server_.Serve("/three",
                "<html><head><title>三页</title></head><body>"
                "<div style=\"page-break-after:always\">第一页</div>"
                "<div style=\"page-break-after:always\">第二页</div>"
                "<div>第三页</div></body></html>");
  ASSERT_TRUE(Load("/three", "三页"));
  const std::string pdf = folder_.Path() + "/打印 输出.pdf";
  UseFilePrinter(pdf, Gtk::PAGE_ORIENTATION_PORTRAIT);
  ASSERT_TRUE(control_->ExecWB(kOleCmdIdPrint, kOleCmdExecOptDontPromptUser));
  ASSERT_TRUE(test::WaitUntil([&] { return fs::exists(pdf); }, 30000));

  EXPECT_EQ(PdfPages(pdf), 3);
  EXPECT_NE(PdfText(pdf, 1).find("第二页"), std::string::npos);
  EXPECT_TRUE(OtherFiles(folder_.Path(), "打印 输出.pdf").empty());
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(ViewCommandsTest, SaveAndPrintUnderWayWhenTheViewGoesEndWholeOrNotAtAll) {
  std::string body;
  for (int i = 0; i < 300; ++i) body += "<p>第 " + std::to_string(i) + " 段，长长的文字。</p>";
  server_.Serve("/long", "<html><head><title>长页</title></head><body>" + body + "</body></html>");
  ASSERT_TRUE(Load("/long", "长页"));
  const std::string pdf = folder_.Path() + "/打印.pdf";
  const std::string mht = folder_.Path() + "/保存.mht";
  UseFilePrinter(pdf, Gtk::PAGE_ORIENTATION_PORTRAIT);
  ASSERT_TRUE(control_->ExecWB(kOleCmdIdPrint, kOleCmdExecOptDontPromptUser));
  SavePage(View(), mht, SaveType::kWebArchive);
  window_.remove();
  control_.reset();
  const auto temporary_files = [&] {
    for (const auto& entry : fs::directory_iterator(folder_.Path())) {
      if (entry.path().filename().string().front() == '.') return true;
    }
    return false;
  };
  test::RunFor(500);
  EXPECT_TRUE(test::WaitUntil([&] { return !temporary_files(); }, 30000));
  if (fs::exists(pdf)) {
    EXPECT_GT(PdfPages(pdf), 0);
  }
  if (fs::exists(mht)) {
    const std::string saved = ReadFile(mht);
    EXPECT_TRUE(g_str_has_suffix(saved.c_str(), "--\r\n"));
  }
  EXPECT_TRUE(box_.shown.empty());
}

std::vector<std::string> PreviewFolders() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(g_get_tmp_dir())) {
    const std::string name = entry.path().filename();
    if (name.rfind("lumetta-preview-", 0) == 0) names.push_back(name);
  }
  return names;
}

TEST_F(ViewCommandsTest, PreviewShowsThePagesAsTheyPrintAndCleansUp) {
  std::string body;
  for (int i = 1; i <= 12; ++i) {
    body += "<div style=\"height:110mm;border:1px solid\">第 " + std::to_string(i) + " 块</div>";
  }
  server_.Serve("/long", "<html><head><title>长页</title></head><body>" + body + "</body></html>");
  ASSERT_TRUE(Load("/long", "长页"));
  const auto before = PreviewFolders();
  std::map<Gtk::PageOrientation, int> previewed;
  for (const auto orientation : {Gtk::PAGE_ORIENTATION_PORTRAIT, Gtk::PAGE_ORIENTATION_LANDSCAPE}) {
    const std::string pdf = folder_.Path() + "/" + std::to_string(orientation) + ".pdf";
    UseFilePrinter(pdf, orientation);
    ASSERT_TRUE(control_->ExecWB(kOleCmdIdPrint, kOleCmdExecOptDontPromptUser));
    ASSERT_TRUE(test::WaitUntil([&] { return fs::exists(pdf); }, 30000));
    const std::string expected = "第 1 页，共 " + std::to_string(PdfPages(pdf)) + " 页";

    ASSERT_TRUE(control_->ExecWB(kOleCmdIdPrintPreview, kOleCmdExecOptDoDefault));
    GtkWindow* preview = test::WaitForWindow("打印预览");
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(test::WaitUntil(
        [&] { return test::LabelText(preview, "preview-page-label") == expected; }, 30000))
        << test::LabelText(preview, "preview-page-label");
    previewed[orientation] = PdfPages(pdf);
    gtk_window_close(preview);
    ASSERT_TRUE(test::WaitUntil([&] { return !test::IsShown("打印预览"); }));
  }
  // Landscape pages are shorter: the same blocks take more of them.
  EXPECT_GT(previewed[Gtk::PAGE_ORIENTATION_LANDSCAPE], previewed[Gtk::PAGE_ORIENTATION_PORTRAIT]);
  EXPECT_TRUE(test::WaitUntil([&] { return PreviewFolders() == before; }));
}

TEST_F(ViewCommandsTest, PropertiesOfAnHttpPage) {
  test::ScopedEnv tz({"TZ"});
  g_setenv("TZ", "UTC", TRUE);
  test::LocalServer::Page page;
  page.body = "<html><head><title>属性测试</title></head><body>" + std::string(1200, 'x') +
              "</body></html>";
  page.headers["Last-Modified"] = "Tue, 02 Jan 2024 03:04:05 GMT";
  server_.Serve("/properties", page);
  ASSERT_TRUE(Load("/properties", "属性测试"));
  ASSERT_TRUE(control_->ExecWB(kOleCmdIdProperties, kOleCmdExecOptDoDefault));
  GtkWindow* dialog = test::WaitForWindow("属性");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(test::WaitUntil([&] { return test::LabelText(dialog, "size") != "不可用"; }));
  EXPECT_EQ(gtk_window_get_transient_for(dialog), window_.gobj());
  EXPECT_EQ(test::LabelText(dialog, "title"), "属性测试");
  EXPECT_EQ(test::LabelText(dialog, "address"), server_.Url("/properties"));
  EXPECT_EQ(test::LabelText(dialog, "protocol"), "超文本传输协议 (HTTP)");
  EXPECT_NE(test::LabelText(dialog, "type").find("(text/html)"), std::string::npos);
  EXPECT_EQ(test::LabelText(dialog, "size"), "1,266 字节");
  EXPECT_EQ(test::LabelText(dialog, "modified"), "2024年1月2日 03:04:05");
  EXPECT_EQ(test::LabelText(dialog, "security"), "未加密的连接");
}

TEST_F(ViewCommandsTest, CtrlFInThePageFindsAndHighlights) {
  server_.Serve("/fruit",
                "<html><head><title>水果</title></head><body>"
                "<p>苹果 梨 苹果</p><p>Apple apple 苹果</p></body></html>");
  ASSERT_TRUE(Load("/fruit", "水果"));
  control_->GrabFocus();
  ASSERT_TRUE(test::SendKeys("^f", window_));
  GtkWindow* find = test::WaitForWindow("查找");
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(gtk_window_get_transient_for(find), window_.gobj());
  const auto find_next = [&](const std::string& text, const std::string& status) {
    test::TypeInto(find, "find-text", text);
    gtk_dialog_response(GTK_DIALOG(find), 1);
    return test::WaitUntil([&] { return test::LabelText(find, "find-status") == status; });
  };
  EXPECT_TRUE(find_next("苹果", "共 3 处匹配"));
  EXPECT_EQ(test::EvaluateScript(control_->GetWidget(), "getSelection().toString()"), "苹果");
  EXPECT_TRUE(find_next("apple", "共 2 处匹配"));
  EXPECT_TRUE(find_next("香蕉", "找不到“香蕉”。"));
  // Cancel takes the dialog down; Ctrl+F brings the same one back.
  gtk_dialog_response(GTK_DIALOG(find), GTK_RESPONSE_CANCEL);
  EXPECT_FALSE(test::IsShown("查找"));
  control_->GrabFocus();
  ASSERT_TRUE(test::SendKeys("^f", window_));
  EXPECT_EQ(test::WaitForWindow("查找"), find);
}

}  // namespace
}  // namespace lumetta
