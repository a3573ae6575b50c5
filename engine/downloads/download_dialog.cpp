#include "engine/downloads/download_dialog.h"

namespace lumetta {

namespace {

void Value(Gtk::Label& label, const std::string& text) {
  label.set_text(text);
  label.set_xalign(0);
  label.set_selectable(true);
  label.set_line_wrap(true);
  label.set_line_wrap_mode(Pango::WRAP_CHAR);
  label.set_max_width_chars(50);
}

}  // namespace

DownloadDialog::DownloadDialog(Gtk::Window* parent, const std::string& name,
                               const std::string& type, const std::string& size,
                               const std::string& host)
    : question_("您想打开或保存此文件吗？"),
      name_label_("名称："),
      type_label_("类型："),
      host_label_("来源："),
      warning_(
          "来自 Internet 的文件可能对您有所帮助，但某些文件可能危害您的计算机。"
          "如果您不信任其来源，请不要打开或保存该文件。") {
  set_title("文件下载");
  if (parent != nullptr) set_transient_for(*parent);
  set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  set_resizable(false);
  add_button("打开(_O)", kOpen);
  add_button("保存(_S)", kSave);
  add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  set_default_response(kSave);

  question_.set_xalign(0);
  Value(name_, name);
  Value(type_, size.empty() ? type : type + "，" + size);
  Value(host_, host);
  for (Gtk::Label* label : {&name_label_, &type_label_, &host_label_}) {
    label->set_xalign(1);
    label->set_yalign(0);
  }
  warning_.set_xalign(0);
  warning_.set_line_wrap(true);
  warning_.set_max_width_chars(56);

  grid_.set_row_spacing(6);
  grid_.set_column_spacing(8);
  grid_.set_border_width(12);
  grid_.attach(question_, 0, 0, 2, 1);
  grid_.attach(name_label_, 0, 1);
  grid_.attach(name_, 1, 1);
  grid_.attach(type_label_, 0, 2);
  grid_.attach(type_, 1, 2);
  grid_.attach(host_label_, 0, 3);
  grid_.attach(host_, 1, 3);
  grid_.attach(warning_, 0, 4, 2, 1);
  question_.set_margin_bottom(6);
  warning_.set_margin_top(10);
  get_content_area()->pack_start(grid_);
  show_all_children();
}

}  // namespace lumetta
