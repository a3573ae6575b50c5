#pragma once

#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>

#include <string>

namespace lumetta {

// The control's own dialog "连接到 HOST" for a server that asks for a user name and password.
// It answers through signal_response(): Gtk::RESPONSE_OK or anything else for Cancel.
class SignInDialog : public Gtk::Dialog {
 public:
  // `retry` says the last answer for this server was refused.
  SignInDialog(Gtk::Window* parent, const std::string& host, const std::string& realm, bool retry);

  std::string UserName() const { return user_.get_text(); }
  std::string Password() const { return password_.get_text(); }

 private:
  Gtk::Grid grid_;
  Gtk::Label intro_;
  Gtk::Label warning_;
  Gtk::Label user_label_;
  Gtk::Entry user_;
  Gtk::Label password_label_;
  Gtk::Entry password_;
};

}  // namespace lumetta
