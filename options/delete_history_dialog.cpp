#include "options/delete_history_dialog.h"

#include <gtkmm/box.h>
#include <gtkmm/label.h>

#include "platform/browsing_data.h"

namespace lumetta {

DeleteHistoryDialog::DeleteHistoryDialog(Gtk::Window& parent)
    : Gtk::Dialog("删除浏览历史记录", parent, true),
      cache_("Internet 临时文件(_T)", true),
      cookies_("Cookie 和网站数据(_O)", true),
      history_("历史记录(_H)", true) {
  set_resizable(false);
  set_border_width(6);
  get_content_area()->set_spacing(4);
  AddChoice(cache_, "为了快速查看而保存的网页、图像和媒体的副本。");
  AddChoice(cookies_, "网站存储在计算机上的文件和数据库，用于保存登录状态和首选项。");
  AddChoice(history_, "已访问网站的列表，地址栏据此提示地址。");
  for (Gtk::CheckButton* box : {&cache_, &cookies_, &history_}) {
    box->set_active(true);
    box->signal_toggled().connect([this] { UpdateDeleteButton(); });
  }
  add_button("取消", Gtk::RESPONSE_CANCEL);
  delete_ = add_button("删除(_D)", Gtk::RESPONSE_OK);
  delete_->set_use_underline(true);
  set_default_response(Gtk::RESPONSE_OK);
  show_all_children();
}

void DeleteHistoryDialog::AddChoice(Gtk::CheckButton& box, const char* explanation) {
  auto* label = Gtk::make_managed<Gtk::Label>(explanation);
  label->set_xalign(0);
  label->set_line_wrap(true);
  label->set_max_width_chars(40);
  label->set_margin_start(26);
  label->set_margin_bottom(8);
  get_content_area()->pack_start(box, Gtk::PACK_SHRINK);
  get_content_area()->pack_start(*label, Gtk::PACK_SHRINK);
}

uint32_t DeleteHistoryDialog::Kinds() const {
  return (cache_.get_active() ? kEngineCache : 0) |
         (cookies_.get_active() ? kCookiesAndSiteData : 0) |
         (history_.get_active() ? kVisitedAddresses : 0);
}

void DeleteHistoryDialog::UpdateDeleteButton() { delete_->set_sensitive(Kinds() != 0); }

}  // namespace lumetta
