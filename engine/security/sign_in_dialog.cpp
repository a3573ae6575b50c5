#include "engine/security/sign_in_dialog.h"

#include "platform/utf8.h"

namespace lumetta {

SignInDialog::SignInDialog(Gtk::Window* parent, const std::string& host, const std::string& realm,
                           bool retry)
    : user_label_("用户名(_U):", true), password_label_("密码(_P):", true) {
  // Host and realm come from the network: shown as plain text, never as markup.
  const std::string shown_host = ValidUtf8(host);
  set_title("连接到 " + shown_host);
  if (parent != nullptr) set_transient_for(*parent);
  set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  set_resizable(false);
  add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  add_button("确定(_O)", Gtk::RESPONSE_OK);
  set_default_response(Gtk::RESPONSE_OK);

  std::string intro = "位于 " + shown_host + " 的服务器";
  if (!realm.empty()) intro += "“" + ValidUtf8(realm) + "”";
  intro += "要求提供用户名和密码。";
  intro_.set_text(intro);
  intro_.set_line_wrap(true);
  intro_.set_max_width_chars(48);
  intro_.set_xalign(0);
  warning_.set_text("用户名或密码不正确，请重新输入。");
  warning_.set_xalign(0);

  user_.set_name("user");
  user_.set_width_chars(32);
  user_.set_activates_default(true);
  user_label_.set_mnemonic_widget(user_);
  user_label_.set_xalign(0);
  password_.set_name("password");
  password_.set_visibility(false);
  password_.set_input_purpose(Gtk::INPUT_PURPOSE_PASSWORD);
  password_.set_activates_default(true);
  password_label_.set_mnemonic_widget(password_);
  password_label_.set_xalign(0);

  grid_.set_row_spacing(8);
  grid_.set_column_spacing(12);
  grid_.set_border_width(12);
  grid_.attach(intro_, 0, 0, 2, 1);
  int row = 1;
  if (retry) grid_.attach(warning_, 0, row++, 2, 1);
  grid_.attach(user_label_, 0, row);
  grid_.attach(user_, 1, row++);
  grid_.attach(password_label_, 0, row);
  grid_.attach(password_, 1, row);
  get_content_area()->pack_start(grid_);
  show_all_children();
}

}  // namespace lumetta
