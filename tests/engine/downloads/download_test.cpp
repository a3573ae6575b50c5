// Downloads on the real engine: the user's answers given through the real dialogs.
#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "engine/webkit_engine.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/local_server.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

constexpr char kDownloadTitle[] = "文件下载";
constexpr char kSaveAsTitle[] = "另存为";

std::string Bytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
  return bytes;
}

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream contents;
  contents << file.rdbuf();
  return contents.str();
}

test::LocalServer::Page Attachment(const std::string& body, const std::string& disposition) {
  test::LocalServer::Page page;
  page.content_type = "application/octet-stream";
  page.body = body;
  page.headers["Content-Disposition"] = disposition;
  return page;
}

class DownloadTest : public testing::Test {
 protected:
  DownloadTest() {
    control_ = factory_->Create();
    window_.add(control_->GetWidget());
    window_.show_all();
  }
  ~DownloadTest() override {
    if (control_) window_.remove();
  }

  // Answers "保存" and saves into the test's folder under the proposed name.
  void SaveIntoFolder() {
    GtkWindow* dialog = test::WaitForWindow(kDownloadTitle);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(test::Click(dialog, "保存(_S)"));
    GtkWindow* chooser = test::WaitForWindow(kSaveAsTitle);
    ASSERT_NE(chooser, nullptr);
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(chooser), folder_.Path().c_str());
    // The chooser takes the click once it is on screen and has moved to the folder.
    ASSERT_TRUE(test::WaitUntil([&] {
      gchar* folder = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(chooser));
      const bool there = folder != nullptr && folder_.Path() == folder;
      g_free(folder);
      return there && gtk_widget_get_mapped(GTK_WIDGET(chooser));
    }));
    ASSERT_TRUE(test::Click(chooser, "保存(_S)"));
  }

  test::LocalServer server_;
  test::TempDir folder_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  std::unique_ptr<BrowserControl> control_;
  Gtk::Window window_;
};

// An attachment saved through the dialogs is the server's bytes exactly, under its Chinese
// name, and no working file stays behind; the page stays where it was.
TEST_F(DownloadTest, SavedAttachmentIsByteIdentical) {
  const std::string body = Bytes(300 * 1024);
  server_.Serve("/page", "<html><head><title>页面</title></head></html>");
  server_.Serve("/report", Attachment(body, "attachment; filename*=UTF-8''%E6%8A%A5%E5%91%8A.pdf"));
  control_->Navigate(server_.Url("/page"));
  ASSERT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "页面"; }));
  control_->Navigate(server_.Url("/report"));

  GtkWindow* dialog = test::WaitForWindow(kDownloadTitle);
  ASSERT_NE(dialog, nullptr);
  const std::string shown = test::TextOf(dialog);
  EXPECT_NE(shown.find("报告.pdf"), std::string::npos) << shown;
  EXPECT_NE(shown.find("300.0 KB"), std::string::npos) << shown;
  EXPECT_NE(shown.find("127.0.0.1"), std::string::npos) << shown;
  SaveIntoFolder();

  GtkWindow* done = test::WaitForWindow("下载完毕 - 报告.pdf");
  ASSERT_NE(done, nullptr);
  EXPECT_EQ(FilesIn(folder_.Path()), std::vector<std::string>{"报告.pdf"});
  EXPECT_TRUE(Contents(folder_.Path() + "/报告.pdf") == body);
  EXPECT_EQ(control_->LocationURL(), server_.Url("/page"));
  ASSERT_TRUE(test::Click(done, "关闭(_C)"));
  EXPECT_TRUE(test::WaitUntil([&] { return !test::IsShown("下载完毕 - 报告.pdf"); }));
}

TEST_F(DownloadTest, EmptyAttachmentIsAnEmptyFile) {
  server_.Serve("/empty", Attachment("", "attachment; filename=\"空.txt\""));
  control_->Navigate(server_.Url("/empty"));
  SaveIntoFolder();
  ASSERT_NE(test::WaitForWindow("下载完毕 - 空.txt"), nullptr);
  EXPECT_EQ(FilesIn(folder_.Path()), std::vector<std::string>{"空.txt"});
  EXPECT_EQ(Contents(folder_.Path() + "/空.txt"), "");
}

// A download outlives the window that started it.
TEST_F(DownloadTest, DownloadGoesOnAfterItsWindowCloses) {
  test::LocalServer::Page slow = Attachment(Bytes(64 * 1024), "attachment; filename=\"同名.bin\"");
  slow.pieces = 8;
  server_.Serve("/slow", slow);
  control_->Navigate(server_.Url("/slow"));
  SaveIntoFolder();
  ASSERT_NE(test::WaitForWindowWith("同名.bin"), nullptr);
  window_.remove();
  control_.reset();

  ASSERT_NE(test::WaitForWindow("下载完毕 - 同名.bin"), nullptr);
  EXPECT_TRUE(Contents(folder_.Path() + "/同名.bin") == slow.body);
}

// Cancelled in the progress window, or cut off by the server: nothing stays in the folder,
// and a failure says why.
TEST_F(DownloadTest, CancelledAndBrokenDownloadsLeaveNothing) {
  test::LocalServer::Page stalled =
      Attachment(Bytes(100 * 1024), "attachment; filename=\"停.bin\"");
  stalled.pieces = 10;
  stalled.stop_after = 3;
  server_.Serve("/stalled", stalled);
  test::LocalServer::Page broken = stalled;
  broken.headers["Content-Disposition"] = "attachment; filename=\"断.bin\"";
  broken.close_on_stop = true;
  server_.Serve("/broken", broken);

  control_->Navigate(server_.Url("/stalled"));
  SaveIntoFolder();
  GtkWindow* progress = test::WaitForWindowWith("% - 停.bin");
  ASSERT_NE(progress, nullptr);
  ASSERT_TRUE(test::WaitUntil([&] { return !FilesIn(folder_.Path()).empty(); }));
  test::RunFor(300);
  ASSERT_TRUE(test::Click(progress, "取消(_C)"));
  EXPECT_TRUE(test::WaitUntil([&] { return test::WaitForWindowWith("停.bin", 0) == nullptr; }));
  EXPECT_TRUE(test::WaitUntil([&] { return FilesIn(folder_.Path()).empty(); }));

  control_->Navigate(server_.Url("/broken"));
  SaveIntoFolder();
  GtkWindow* failed = test::WaitForWindow("下载失败 - 断.bin");
  ASSERT_NE(failed, nullptr);
  EXPECT_NE(test::TextOf(failed).find("连接中断"), std::string::npos);
  EXPECT_TRUE(FilesIn(folder_.Path()).empty());
  test::Click(failed, "关闭(_C)");
}

}  // namespace
}  // namespace lumetta
