#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/buttonbox.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>
#include <gtkmm/progressbar.h>
#include <gtkmm/window.h>

#include <cstdint>
#include <optional>
#include <string>

namespace lumetta {

// The window of one download: file name, percentage, bytes, rate, time left and "取消"; at the
// end "打开" and "打开文件夹", or why it failed.
class DownloadProgressWindow : public Gtk::Window {
 public:
  DownloadProgressWindow(const std::string& name, const std::string& host,
                         const std::string& destination);

  // `total` is empty when the server did not say.
  void ShowProgress(uint64_t received, std::optional<uint64_t> total, double bytes_per_second);
  // The file is complete at `path` (its name may differ from the one chosen), having come at
  // `bytes_per_second` on average.
  void ShowDone(const std::string& path, uint64_t size, double bytes_per_second);
  void ShowFailure(const std::string& reason);

  // "取消" during the transfer, "关闭" after it.
  sigc::signal<void()> CancelOrClose;
  sigc::signal<void()> Open;
  sigc::signal<void()> OpenFolder;

 private:
  bool on_delete_event(GdkEventAny* event) override;

  std::string name_;
  Gtk::Box box_{Gtk::ORIENTATION_VERTICAL, 8};
  Gtk::Label heading_;
  Gtk::ProgressBar bar_;
  Gtk::Grid grid_;
  Gtk::Label received_label_{"已下载："}, received_;
  Gtk::Label rate_label_{"传输速度："}, rate_;
  Gtk::Label left_label_{"剩余时间："}, left_;
  Gtk::Label destination_label_{"保存到："}, destination_;
  Gtk::Label outcome_;
  Gtk::ButtonBox buttons_;
  Gtk::Button open_{"打开(_O)", true};
  Gtk::Button open_folder_{"打开文件夹(_F)", true};
  Gtk::Button cancel_{"取消(_C)", true};
};

}  // namespace lumetta
