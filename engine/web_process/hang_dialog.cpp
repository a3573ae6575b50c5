#include "engine/web_process/hang_dialog.h"

#include "engine/dialog_parent.h"
#include "platform/utf8.h"

namespace lumetta {

HangDialog::HangDialog(Gtk::Window* parent, const std::string& url)
    : Gtk::MessageDialog("网页无响应", false, Gtk::MESSAGE_WARNING, Gtk::BUTTONS_NONE, false) {
  set_title("网页无响应");
  set_secondary_text("以下网页停止了响应：\n" + ValidUtf8(url) +
                     "\n\n您可以等待它恢复响应，或者结束该网页。");
  add_button("等待(_W)", kWait);
  add_button("结束网页(_K)", kEndPage);
  set_default_response(kWait);
  PresentOver(*this, parent, false);
}

}  // namespace lumetta
