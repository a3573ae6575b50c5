#pragma once

#include <gtkmm/filechooserdialog.h>
#include <webkit2/webkit2.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace lumetta {

class DownloadDialog;
class FileDescriptor;
class DownloadProgressWindow;
class Downloads;

// One download from the user's answer to its end: "文件下载" asks whether to open or save it,
// a file chooser asks where, a progress window follows it. The data goes to a working file
// that is renamed when complete and removed when not; an existing file is replaced only when
// the user said so. While any of its windows is open the process keeps running.
class Download {
 public:
  Download(Downloads& owner, WebKitDownload* download);
  ~Download();
  Download(const Download&) = delete;
  Download& operator=(const Download&) = delete;

 private:
  enum class State { kAsking, kChoosing, kTransferring, kDone, kOver };

  void Ask(const std::string& suggested);
  void Answer(int response);
  void ChooseFile();
  void Chosen(int response);
  void Start(const std::string& final_path, bool replace, bool open_when_done);
  void Progress();
  // The average rate since the transfer began.
  double Rate(uint64_t received) const;
  void Complete();
  void Fail(const std::string& reason);
  void RemoveWorkingFiles();
  void CancelOrClose();
  void Close();

  static gboolean OnDecideDestination(WebKitDownload*, gchar* suggested, gpointer self);
  static void OnReceivedData(WebKitDownload*, guint64, gpointer self);
  static void OnFinished(WebKitDownload*, gpointer self);
  static void OnFailed(WebKitDownload*, GError* error, gpointer self);

  Downloads& owner_;
  WebKitDownload* download_;
  GApplication* held_ = nullptr;
  State state_ = State::kAsking;
  // The engine has finished or failed the download: there is nothing left to cancel.
  bool ended_ = false;
  std::string name_;
  std::string host_;
  std::optional<uint64_t> total_;
  // The length the server promised, when the data arrives as it is sent.
  std::optional<uint64_t> promised_;
  std::string final_path_;
  std::string part_path_;
  // The folder of the working files, open from the start of the transfer.
  std::unique_ptr<FileDescriptor> folder_;
  bool replace_ = false;
  bool open_when_done_ = false;
  gint64 started_at_ = 0;
  gint64 shown_at_ = 0;
  std::unique_ptr<DownloadDialog> dialog_;
  std::unique_ptr<Gtk::FileChooserDialog> chooser_;
  std::unique_ptr<DownloadProgressWindow> progress_;
};

}  // namespace lumetta
