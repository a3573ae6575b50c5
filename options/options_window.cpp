#include "options/options_window.h"

#include "app/settings.h"
#include "options/browsing_data_client.h"
#include "options/delete_history_dialog.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/reg_hive_writer.h"
#include "platform/trim.h"

namespace lumetta {
namespace {

constexpr char kTitle[] = "Internet 选项";

void Tell(const std::string& text, int style) {
  if (MessageBox* box = ThePlatform().message_box) box->Show(text, style, kTitle);
}

// The address as one line without blanks around it.
std::string CleanAddress(const Glib::ustring& text) {
  std::string address;
  for (const char c : text.raw()) {
    if (c != '\r' && c != '\n') address += c;
  }
  return std::string(TrimWhitespace(address));
}

void Prepare(Gtk::Frame& frame, Gtk::Box& box, Gtk::Label& text, Gtk::Box& buttons) {
  frame.set_shadow_type(Gtk::SHADOW_ETCHED_IN);
  box.set_border_width(10);
  text.set_xalign(0);
  text.set_line_wrap(true);
  text.set_max_width_chars(48);
  buttons.set_halign(Gtk::ALIGN_END);
  box.pack_start(text, Gtk::PACK_SHRINK);
  frame.add(box);
}

}  // namespace

OptionsWindow::OptionsWindow(std::string hive_path, std::string browser_program)
    : hive_path_(std::move(hive_path)), browser_program_(std::move(browser_program)) {
  set_title(kTitle);
  set_resizable(false);
  set_border_width(8);
  set_position(Gtk::WIN_POS_CENTER);

  // What a new window opens: the user's start page, else the machine's, else the default.
  InitSettings();
  saved_ = gstrHomePage;
  home_text_.set_text_with_mnemonic("新窗口打开的主页，请在下面键入地址(_R)：");
  home_text_.set_mnemonic_widget(home_page_);
  Prepare(home_frame_, home_box_, home_text_, home_buttons_);
  home_page_.set_text(saved_);
  home_page_.set_width_chars(48);
  home_page_.set_activates_default(true);
  home_box_.pack_start(home_page_, Gtk::PACK_SHRINK);
  home_buttons_.pack_start(use_default_, Gtk::PACK_SHRINK);
  home_box_.pack_start(home_buttons_, Gtk::PACK_SHRINK);

  history_text_.set_text("删除临时文件、历史记录、Cookie 和网站数据。");
  Prepare(history_frame_, history_box_, history_text_, history_buttons_);
  history_buttons_.pack_start(delete_, Gtk::PACK_SHRINK);
  history_box_.pack_start(history_buttons_, Gtk::PACK_SHRINK);

  get_content_area()->set_spacing(10);
  get_content_area()->pack_start(home_frame_, Gtk::PACK_SHRINK);
  get_content_area()->pack_start(history_frame_, Gtk::PACK_SHRINK);
  add_button("确定", Gtk::RESPONSE_OK);
  add_button("取消", Gtk::RESPONSE_CANCEL);
  apply_ = add_button("应用(_A)", Gtk::RESPONSE_APPLY);
  apply_->set_use_underline(true);
  apply_->set_sensitive(false);
  set_default_response(Gtk::RESPONSE_OK);

  use_default_.signal_clicked().connect([this] { home_page_.set_text(kDefaultHomePage); });
  home_page_.signal_changed().connect([this] { Changed(); });
  delete_.signal_clicked().connect([this] { DeleteHistory(); });
  signal_response().connect([this](int response) { OnResponse(response); });
  show_all_children();
}

void OptionsWindow::Changed() {
  apply_->set_sensitive(CleanAddress(home_page_.get_text()) != saved_);
}

bool OptionsWindow::Apply() {
  const std::string address = CleanAddress(home_page_.get_text());
  if (address == saved_) return true;
  const std::string key = std::string("HKEY_CURRENT_USER\\") + kStartPageKey;
  switch (WriteRegString(hive_path_, key, kStartPageValue, address)) {
    case HiveWrite::kWritten:
      saved_ = address;
      Changed();
      return true;
    case HiveWrite::kUnreadable:
      Tell("无法读取设置文件“" + hive_path_ + "”，主页没有保存。", kMbIconExclamation);
      return false;
    case HiveWrite::kUnparsable:
      Tell("设置文件“" + hive_path_ + "”的内容无法识别。为免损坏，它没有被改动，主页没有保存。",
           kMbIconExclamation);
      return false;
    case HiveWrite::kNotWritten:
      break;
  }
  Tell("无法写入设置文件“" + hive_path_ + "”，主页没有保存。", kMbIconExclamation);
  return false;
}

void OptionsWindow::DeleteHistory() {
  if (deleting_) return;
  uint32_t kinds = 0;
  {
    DeleteHistoryDialog dialog(*this);
    if (dialog.run() != Gtk::RESPONSE_OK) return;
    kinds = dialog.Kinds();
  }
  if (kinds == 0) return;
  deleting_ = true;
  delete_.set_sensitive(false);
  history_text_.set_text("正在删除...");
  const std::weak_ptr<bool> alive = alive_;
  DeleteBrowsingData(kinds, browser_program_, [this, alive](bool deleted) {
    if (alive.expired()) return;
    deleting_ = false;
    delete_.set_sensitive(true);
    history_text_.set_text("删除临时文件、历史记录、Cookie 和网站数据。");
    if (deleted) {
      Tell("已删除所选的浏览历史记录。", kMbIconInformation);
    } else {
      Tell("未能删除全部所选的浏览历史记录。", kMbIconExclamation);
    }
  });
}

void OptionsWindow::OnResponse(int response) {
  switch (response) {
    case Gtk::RESPONSE_APPLY:
      Apply();
      return;
    case Gtk::RESPONSE_OK:
      if (Apply()) hide();
      return;
    default:
      hide();
  }
}

}  // namespace lumetta
