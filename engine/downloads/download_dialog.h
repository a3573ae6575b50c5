#pragma once

#include <gtkmm/dialog.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>

#include <string>

namespace lumetta {

// "文件下载": what the download is and where it comes from, offering "打开", "保存" and
// "取消". It answers through signal_response() with kOpen, kSave or anything else for Cancel.
class DownloadDialog : public Gtk::Dialog {
 public:
  static constexpr int kOpen = 1;
  static constexpr int kSave = 2;

  // `type` is the description of the file's type, `size` its size as text or empty.
  DownloadDialog(Gtk::Window* parent, const std::string& name, const std::string& type,
                 const std::string& size, const std::string& host);

 private:
  Gtk::Grid grid_;
  Gtk::Label question_;
  Gtk::Label name_label_, name_;
  Gtk::Label type_label_, type_;
  Gtk::Label host_label_, host_;
  Gtk::Label warning_;
};

}  // namespace lumetta
