#include "engine/downloads/download.h"

#include <fcntl.h>
#include <glib/gstdio.h>
#include <glibmm/main.h>
#include <glibmm/miscutils.h>
#include <libsoup/soup.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "engine/dialog_parent.h"
#include "engine/downloads/download_dialog.h"
#include "engine/downloads/download_file_name.h"
#include "engine/downloads/download_progress_window.h"
#include "engine/downloads/download_text.h"
#include "engine/downloads/downloads.h"
#include "engine/type_description.h"
#include "platform/file_io.h"
#include "platform/platform.h"
#include "platform/shell.h"
#include "platform/stale_files.h"
#include "platform/user_dirs.h"

namespace lumetta {

namespace {

// The progress window is redrawn at most this often, however fast the data comes.
constexpr gint64 kProgressIntervalUs = 200 * 1000;

std::string Text(const char* text) { return text != nullptr ? text : ""; }

// Windows cannot be destroyed inside their own signal handlers: they go once those are over.
template <typename T>
void DestroyLater(std::unique_ptr<T>& window) {
  if (!window) return;
  window->hide();
  T* gone = window.release();
  Glib::signal_idle().connect_once([gone] { delete gone; });
}

// Renames `from` to `to` without replacing a file that appeared there meanwhile.
bool RenameWithoutReplacing(const std::string& from, const std::string& to) {
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system that cannot say: check, then rename.
  if (g_file_test(to.c_str(), G_FILE_TEST_EXISTS)) {
    errno = EEXIST;
    return false;
  }
  return g_rename(from.c_str(), to.c_str()) == 0;
}

std::string FailureReason(const GError* error, const std::string& path) {
  if (error->domain == WEBKIT_DOWNLOAD_ERROR) {
    switch (error->code) {
      case WEBKIT_DOWNLOAD_ERROR_NETWORK:
        return "与服务器的连接中断，文件未能完整下载。（" + Text(error->message) + "）";
      case WEBKIT_DOWNLOAD_ERROR_DESTINATION:
        return "无法写入 " + path + "。磁盘可能已满，或没有写入该文件夹的权限。（" +
               Text(error->message) + "）";
      default:
        break;
    }
  }
  return Text(error->message);
}

}  // namespace

Download::Download(Downloads& owner, WebKitDownload* download)
    : owner_(owner), download_(WEBKIT_DOWNLOAD(g_object_ref(download))) {
  // The engine cannot see the windows: the application keeps running while this one is open.
  held_ = g_application_get_default();
  if (held_ != nullptr) g_application_hold(held_);
  // Encoded: an address whose escapes are not UTF-8 (a GBK file name) still names its host.
  GUri* uri = g_uri_parse(webkit_uri_request_get_uri(webkit_download_get_request(download)),
                          G_URI_FLAGS_ENCODED, nullptr);
  if (uri != nullptr) {
    host_ = Text(g_uri_get_host(uri));
    g_uri_unref(uri);
  }
  g_signal_connect(download, "decide-destination", G_CALLBACK(&Download::OnDecideDestination),
                   this);
  g_signal_connect(download, "received-data", G_CALLBACK(&Download::OnReceivedData), this);
  g_signal_connect(download, "finished", G_CALLBACK(&Download::OnFinished), this);
  g_signal_connect(download, "failed", G_CALLBACK(&Download::OnFailed), this);
}

Download::~Download() {
  g_signal_handlers_disconnect_by_data(download_, this);
  if (!ended_) webkit_download_cancel(download_);
  if (state_ == State::kTransferring) RemoveWorkingFiles();
  g_object_unref(download_);
  if (held_ != nullptr) g_application_release(held_);
}

gboolean Download::OnDecideDestination(WebKitDownload*, gchar* suggested, gpointer data) {
  static_cast<Download*>(data)->Ask(Text(suggested));
  // The destination follows the user's answer.
  return TRUE;
}

void Download::Ask(const std::string& suggested) {
  name_ = SafeDownloadName(RecoveredDownloadName(
      suggested, Text(webkit_uri_request_get_uri(webkit_download_get_request(download_)))));
  WebKitURIResponse* response = webkit_download_get_response(download_);
  std::string mime_type;
  if (response != nullptr) {
    mime_type = Text(webkit_uri_response_get_mime_type(response));
    SoupMessageHeaders* headers = webkit_uri_response_get_http_headers(response);
    if (headers != nullptr &&
        soup_message_headers_get_encoding(headers) == SOUP_ENCODING_CONTENT_LENGTH) {
      total_ = soup_message_headers_get_content_length(headers);
      // The length of compressed data, which arrives decompressed, is no measure of it.
      const char* coding = soup_message_headers_get_one(headers, "Content-Encoding");
      if (coding == nullptr || g_ascii_strcasecmp(coding, "identity") == 0) promised_ = total_;
    }
  }
  dialog_ = std::make_unique<DownloadDialog>(WindowOf(webkit_download_get_web_view(download_)),
                                             name_, TypeDescription(mime_type),
                                             total_ ? ByteSizeText(*total_) : "", host_);
  dialog_->signal_response().connect([this](int response) { Answer(response); });
  dialog_->present();
}

void Download::Answer(int response) {
  DestroyLater(dialog_);
  if (response == DownloadDialog::kSave) {
    ChooseFile();
  } else if (response == DownloadDialog::kOpen) {
    // Opened files go to a folder of their own, where the program that opens them finds them.
    gchar* folder = g_dir_make_tmp(kOpenedDownloadFolder, nullptr);
    if (folder == nullptr) {
      Fail("无法创建临时文件夹。");
      return;
    }
    Start(Glib::build_filename(folder, name_), false, true);
    g_free(folder);
  } else {
    CancelOrClose();
  }
}

void Download::ChooseFile() {
  state_ = State::kChoosing;
  chooser_ = std::make_unique<Gtk::FileChooserDialog>("另存为", Gtk::FILE_CHOOSER_ACTION_SAVE);
  chooser_->add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  chooser_->add_button("保存(_S)", Gtk::RESPONSE_ACCEPT);
  chooser_->set_default_response(Gtk::RESPONSE_ACCEPT);
  // The user is asked before a file is replaced.
  chooser_->set_do_overwrite_confirmation(true);
  chooser_->set_current_folder(UserDownloadDir());
  chooser_->set_current_name(name_);
  if (Gtk::Window* parent = WindowOf(webkit_download_get_web_view(download_))) {
    chooser_->set_transient_for(*parent);
  }
  chooser_->signal_response().connect([this](int response) { Chosen(response); });
  chooser_->present();
}

void Download::Chosen(int response) {
  const std::string path = response == Gtk::RESPONSE_ACCEPT ? chooser_->get_filename() : "";
  DestroyLater(chooser_);
  if (path.empty()) {
    CancelOrClose();
    return;
  }
  // The chooser asked before an existing file could be chosen.
  Start(path, g_file_test(path.c_str(), G_FILE_TEST_EXISTS), false);
}

void Download::Start(const std::string& final_path, bool replace, bool open_when_done) {
  state_ = State::kTransferring;
  final_path_ = final_path;
  name_ = Glib::path_get_basename(final_path);
  replace_ = replace;
  open_when_done_ = open_when_done;
  part_path_ = owner_.ReservePartFile(final_path);
  // The working files are found through their folder even if it is moved meanwhile.
  folder_ = std::make_unique<FileDescriptor>(
      open(Glib::path_get_dirname(final_path).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  started_at_ = g_get_monotonic_time();
  progress_ = std::make_unique<DownloadProgressWindow>(name_, host_, final_path);
  progress_->CancelOrClose.connect([this] { CancelOrClose(); });
  progress_->Open.connect([this] {
    Shell* shell = ThePlatform().shell;
    if (shell != nullptr) shell->ShellExecute("open", final_path_, "", "", kSwShowNormal);
  });
  progress_->OpenFolder.connect([this] {
    Shell* shell = ThePlatform().shell;
    const std::string folder = Glib::path_get_dirname(final_path_);
    if (shell != nullptr) shell->ShellExecute("open", folder, "", folder, kSwShowNormal);
  });
  progress_->present();
  webkit_download_set_allow_overwrite(download_, FALSE);
  webkit_download_set_destination(download_, part_path_.c_str());
}

void Download::OnReceivedData(WebKitDownload*, guint64, gpointer data) {
  auto* self = static_cast<Download*>(data);
  const gint64 now = g_get_monotonic_time();
  if (self->state_ != State::kTransferring || now - self->shown_at_ < kProgressIntervalUs) return;
  self->shown_at_ = now;
  self->Progress();
}

double Download::Rate(uint64_t received) const {
  const double seconds = (g_get_monotonic_time() - started_at_) / 1e6;
  return seconds > 0 ? received / seconds : 0;
}

void Download::Progress() {
  const uint64_t received = webkit_download_get_received_data_length(download_);
  progress_->ShowProgress(received, total_, Rate(received));
}

void Download::OnFinished(WebKitDownload*, gpointer data) {
  // The engine also says "finished" after a failure.
  auto* self = static_cast<Download*>(data);
  self->ended_ = true;
  if (self->state_ == State::kTransferring) {
    self->Complete();
  } else if (self->state_ == State::kAsking || self->state_ == State::kChoosing) {
    // Someone else gave the engine a destination: there is nothing left to ask.
    self->Close();
  }
}

void Download::Complete() {
  const uint64_t size = webkit_download_get_received_data_length(download_);
  owner_.Release(part_path_);
  // The engine says "finished" when the server closes the connection early.
  if (promised_ && size < *promised_) {
    RemoveWorkingFiles();
    Fail("与服务器的连接中断，文件未能完整下载。（只收到 " + ByteSizeText(size) + "，共 " +
         ByteSizeText(*promised_) + "）");
    return;
  }
  std::string path = final_path_;
  bool renamed = replace_ ? g_rename(part_path_.c_str(), path.c_str()) == 0
                          : RenameWithoutReplacing(part_path_, path);
  // A file of that name appeared while this one downloaded: this one takes the next free name.
  const std::string folder = Glib::path_get_dirname(final_path_);
  const std::string name = Glib::path_get_basename(final_path_);
  for (int n = 2; !renamed && errno == EEXIST && n < 1000; ++n) {
    path = Glib::build_filename(folder, NumberedName(name, n));
    renamed = RenameWithoutReplacing(part_path_, path);
  }
  if (!renamed) {
    const std::string reason = std::string("无法保存为 ") + final_path_ + "：" + g_strerror(errno);
    RemoveWorkingFiles();
    Fail(reason);
    return;
  }
  state_ = State::kDone;
  final_path_ = path;
  progress_->ShowDone(path, size, Rate(size));
  if (!open_when_done_) return;
  Shell* shell = ThePlatform().shell;
  if (shell != nullptr && shell->ShellExecute("open", path, "", "", kSwShowNormal)) {
    Close();
  } else {
    progress_->ShowFailure("没有可以打开该类型文件的程序。文件保存在 " + path + "。");
  }
}

void Download::OnFailed(WebKitDownload*, GError* error, gpointer data) {
  auto* self = static_cast<Download*>(data);
  self->ended_ = true;
  if (self->state_ == State::kTransferring) {
    self->owner_.Release(self->part_path_);
    self->RemoveWorkingFiles();
  }
  if (g_error_matches(error, WEBKIT_DOWNLOAD_ERROR, WEBKIT_DOWNLOAD_ERROR_CANCELLED_BY_USER)) {
    self->Close();
  } else if (self->state_ != State::kDone && self->state_ != State::kOver) {
    self->Fail(FailureReason(error, self->final_path_));
  }
}

void Download::Fail(const std::string& reason) {
  state_ = State::kOver;
  DestroyLater(dialog_);
  DestroyLater(chooser_);
  if (!progress_) {
    progress_ = std::make_unique<DownloadProgressWindow>(name_, host_, final_path_);
    progress_->CancelOrClose.connect([this] { CancelOrClose(); });
  }
  progress_->ShowFailure(reason);
  progress_->present();
}

void Download::RemoveWorkingFiles() {
  const bool held = folder_ && folder_->get() >= 0;
  const std::string file = held ? Glib::path_get_basename(part_path_) : part_path_;
  unlinkat(held ? folder_->get() : AT_FDCWD, file.c_str(), 0);
  unlinkat(held ? folder_->get() : AT_FDCWD, (file + ".wkdownload").c_str(), 0);
  // A folder made for a file to be opened goes with it.
  if (open_when_done_) g_rmdir(Glib::path_get_dirname(part_path_).c_str());
}

void Download::CancelOrClose() {
  if (state_ == State::kDone || state_ == State::kOver) {
    Close();
    return;
  }
  // The engine confirms with "failed", which closes this download.
  webkit_download_cancel(download_);
}

void Download::Close() {
  state_ = State::kOver;
  DestroyLater(dialog_);
  DestroyLater(chooser_);
  DestroyLater(progress_);
  owner_.Remove(this);
}

}  // namespace lumetta
