#include "engine/downloads/download_progress_window.h"

#include <glibmm/miscutils.h>

#include <cmath>

#include "engine/downloads/download_text.h"

namespace lumetta {

namespace {

void Value(Gtk::Label& label) {
  label.set_xalign(0);
  label.set_hexpand(true);
  label.set_ellipsize(Pango::ELLIPSIZE_MIDDLE);
  label.set_max_width_chars(48);
}

}  // namespace

DownloadProgressWindow::DownloadProgressWindow(const std::string& name, const std::string& host,
                                               const std::string& destination)
    : name_(name) {
  set_title("已完成 0% - " + name);
  set_default_size(460, -1);
  set_resizable(false);
  set_position(Gtk::WIN_POS_CENTER);
  set_border_width(12);

  heading_.set_text(name + "\n来自 " + host);
  heading_.set_xalign(0);
  heading_.set_ellipsize(Pango::ELLIPSIZE_MIDDLE);
  heading_.set_max_width_chars(48);
  bar_.set_show_text(true);
  destination_.set_text(destination);
  for (Gtk::Label* label : {&received_, &rate_, &left_, &destination_}) Value(*label);
  int row = 0;
  for (Gtk::Label* label : {&received_label_, &rate_label_, &left_label_, &destination_label_}) {
    label->set_xalign(1);
    grid_.attach(*label, 0, row++);
  }
  grid_.attach(received_, 1, 0);
  grid_.attach(rate_, 1, 1);
  grid_.attach(left_, 1, 2);
  grid_.attach(destination_, 1, 3);
  grid_.set_row_spacing(4);
  grid_.set_column_spacing(8);
  outcome_.set_xalign(0);
  outcome_.set_line_wrap(true);
  outcome_.set_max_width_chars(56);

  buttons_.set_layout(Gtk::BUTTONBOX_END);
  buttons_.set_spacing(6);
  buttons_.add(open_);
  buttons_.add(open_folder_);
  buttons_.add(cancel_);
  open_.signal_clicked().connect([this] { Open.emit(); });
  open_folder_.signal_clicked().connect([this] { OpenFolder.emit(); });
  cancel_.signal_clicked().connect([this] { CancelOrClose.emit(); });

  box_.pack_start(heading_, Gtk::PACK_SHRINK);
  box_.pack_start(bar_, Gtk::PACK_SHRINK);
  box_.pack_start(grid_, Gtk::PACK_SHRINK);
  box_.pack_start(outcome_, Gtk::PACK_SHRINK);
  box_.pack_end(buttons_, Gtk::PACK_SHRINK);
  add(box_);
  show_all_children();
  open_.hide();
  open_folder_.hide();
  outcome_.hide();
}

void DownloadProgressWindow::ShowProgress(uint64_t received, std::optional<uint64_t> total,
                                          double bytes_per_second) {
  std::string text = ByteSizeText(received);
  if (total && *total > 0) {
    const double fraction = std::min(1.0, static_cast<double>(received) / *total);
    const int percent = static_cast<int>(std::floor(fraction * 100));
    bar_.set_fraction(fraction);
    bar_.set_text(std::to_string(percent) + "%");
    set_title("已完成 " + std::to_string(percent) + "% - " + name_);
    text += " / " + ByteSizeText(*total);
    left_.set_text(bytes_per_second > 0 && received < *total
                       ? TimeLeftText((*total - received) / bytes_per_second)
                       : "未知");
  } else {
    bar_.pulse();
    bar_.set_text("");
    left_.set_text("未知");
  }
  received_.set_text(text);
  rate_.set_text(RateText(bytes_per_second));
}

void DownloadProgressWindow::ShowDone(const std::string& path, uint64_t size,
                                      double bytes_per_second) {
  set_title("下载完毕 - " + Glib::path_get_basename(path));
  bar_.set_fraction(1);
  bar_.set_text("100%");
  received_.set_text(ByteSizeText(size));
  rate_.set_text(RateText(bytes_per_second));
  left_.set_text("0 秒");
  destination_.set_text(path);
  outcome_.set_text("下载完毕。");
  outcome_.show();
  open_.show();
  open_folder_.show();
  cancel_.set_label("关闭(_C)");
  open_.grab_focus();
}

void DownloadProgressWindow::ShowFailure(const std::string& reason) {
  set_title("下载失败 - " + name_);
  outcome_.set_text("下载失败：" + reason);
  outcome_.show();
  left_.set_text("");
  rate_.set_text("");
  cancel_.set_label("关闭(_C)");
}

bool DownloadProgressWindow::on_delete_event(GdkEventAny*) {
  // The close box does what "取消" or "关闭" does; the owner closes the window.
  CancelOrClose.emit();
  return true;
}

}  // namespace lumetta
