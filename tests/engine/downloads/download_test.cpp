// Downloads on the real engine: the user's answers given through the real dialogs.
#include <gio/gio.h>
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

// A server on 127.0.0.1 that answers every request with the same bytes and then closes the
// connection, whatever those bytes promised.
class RawServer {
 public:
  explicit RawServer(std::string response) : response_(std::move(response)) {
    service_ = g_socket_service_new();
    port_ = g_socket_listener_add_any_inet_port(G_SOCKET_LISTENER(service_), nullptr, nullptr);
    g_signal_connect(service_, "incoming", G_CALLBACK(&RawServer::OnIncoming), this);
    g_socket_service_start(service_);
  }
  ~RawServer() {
    g_socket_service_stop(service_);
    g_socket_listener_close(G_SOCKET_LISTENER(service_));
    g_object_unref(service_);
  }
  RawServer(const RawServer&) = delete;
  RawServer& operator=(const RawServer&) = delete;

  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
  }

 private:
  // One connection's request, read without blocking: the engine may open a connection before
  // it has a request to send.
  struct Reader {
    std::string response;
    GSocketConnection* connection;
    std::string request;
    char buffer[4096];
  };

  static gboolean OnIncoming(GSocketService*, GSocketConnection* connection, GObject*,
                             gpointer self) {
    auto* reader = new Reader{static_cast<RawServer*>(self)->response_,
                              G_SOCKET_CONNECTION(g_object_ref(connection)),
                              {},
                              {}};
    Read(reader);
    return TRUE;
  }

  static void Read(Reader* reader) {
    g_input_stream_read_async(g_io_stream_get_input_stream(G_IO_STREAM(reader->connection)),
                              reader->buffer, sizeof reader->buffer, G_PRIORITY_DEFAULT, nullptr,
                              &RawServer::OnRead, reader);
  }

  static void OnRead(GObject* stream, GAsyncResult* result, gpointer data) {
    auto* reader = static_cast<Reader*>(data);
    const gssize n = g_input_stream_read_finish(G_INPUT_STREAM(stream), result, nullptr);
    if (n > 0) reader->request.append(reader->buffer, static_cast<size_t>(n));
    if (n > 0 && reader->request.find("\r\n\r\n") == std::string::npos) {
      Read(reader);
      return;
    }
    // The whole request was read, so that closing sends an orderly end, not a reset.
    if (n > 0) {
      g_output_stream_write_all(g_io_stream_get_output_stream(G_IO_STREAM(reader->connection)),
                                reader->response.data(), reader->response.size(), nullptr, nullptr,
                                nullptr);
    }
    g_io_stream_close(G_IO_STREAM(reader->connection), nullptr, nullptr);
    g_object_unref(reader->connection);
    delete reader;
  }

  std::string response_;
  GSocketService* service_ = nullptr;
  guint16 port_ = 0;
};

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

  // Answers "保存" and saves into the test's folder (or `folder`) under the proposed name.
  void SaveIntoFolder() { SaveIntoFolder(folder_.Path()); }
  void SaveIntoFolder(const std::string& folder) {
    GtkWindow* dialog = test::WaitForWindow(kDownloadTitle);
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(test::Click(dialog, "保存(_S)"));
    GtkWindow* chooser = test::WaitForWindow(kSaveAsTitle);
    ASSERT_NE(chooser, nullptr);
    gtk_file_chooser_set_current_folder(GTK_FILE_CHOOSER(chooser), folder.c_str());
    // The chooser takes the click once it is on screen and has moved to the folder.
    ASSERT_TRUE(test::WaitUntil([&] {
      gchar* current = gtk_file_chooser_get_current_folder(GTK_FILE_CHOOSER(chooser));
      const bool there = current != nullptr && folder == current;
      g_free(current);
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

// A server that ends the transfer before the length it promised: the download fails and its
// partial file goes.
TEST_F(DownloadTest, TransferEndingShortOfItsLengthFails) {
  RawServer server(
      "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n"
      "Content-Disposition: attachment; filename=\"short.bin\"\r\n"
      "Content-Length: 1000000\r\n\r\n" +
      Bytes(5000));
  control_->Navigate(server.Url("/short"));
  SaveIntoFolder();
  GtkWindow* failed = test::WaitForWindowWith("- short.bin");
  ASSERT_NE(failed, nullptr);
  EXPECT_TRUE(test::WaitUntil([&] { return test::IsShown("下载失败 - short.bin"); }))
      << gtk_window_get_title(failed);
  EXPECT_NE(test::TextOf(failed).find("连接中断"), std::string::npos) << test::TextOf(failed);
  EXPECT_TRUE(test::WaitUntil([&] { return FilesIn(folder_.Path()).empty(); }));
  test::Click(failed, "关闭(_C)");
}

// The folder a download goes to is moved away meanwhile: the download fails, and what it wrote
// goes with it.
TEST_F(DownloadTest, DownloadWhoseFolderMovesLeavesNothing) {
  test::LocalServer::Page slow = Attachment(Bytes(100 * 1024), "attachment; filename=\"去.bin\"");
  slow.pieces = 10;
  server_.Serve("/slow", slow);
  const std::string folder = folder_.Path() + "/gone";
  std::filesystem::create_directory(folder);
  control_->Navigate(server_.Url("/slow"));
  SaveIntoFolder(folder);
  ASSERT_NE(test::WaitForWindowWith("% - 去.bin"), nullptr);
  ASSERT_TRUE(test::WaitUntil([&] { return !FilesIn(folder).empty(); }));
  std::filesystem::rename(folder, folder_.Path() + "/moved");

  GtkWindow* failed = test::WaitForWindow("下载失败 - 去.bin");
  ASSERT_NE(failed, nullptr);
  EXPECT_TRUE(test::WaitUntil([&] { return FilesIn(folder_.Path() + "/moved").empty(); }))
      << FilesIn(folder_.Path() + "/moved").size();
  EXPECT_EQ(FilesIn(folder_.Path()), std::vector<std::string>{"moved"});
  test::Click(failed, "关闭(_C)");
}

}  // namespace
}  // namespace lumetta
