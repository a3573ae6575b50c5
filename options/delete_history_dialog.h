#pragma once

#include <gtkmm/checkbutton.h>
#include <gtkmm/dialog.h>

#include <cstdint>

namespace lumetta {

// "删除浏览历史记录": which parts of the browsing history to delete.
class DeleteHistoryDialog : public Gtk::Dialog {
 public:
  explicit DeleteHistoryDialog(Gtk::Window& parent);

  // The ticked parts, as kVisitedAddresses... bits.
  uint32_t Kinds() const;

  Gtk::CheckButton& CacheBox() { return cache_; }
  Gtk::CheckButton& CookiesBox() { return cookies_; }
  Gtk::CheckButton& HistoryBox() { return history_; }

 private:
  void AddChoice(Gtk::CheckButton& box, const char* explanation);
  void UpdateDeleteButton();

  Gtk::CheckButton cache_;
  Gtk::CheckButton cookies_;
  Gtk::CheckButton history_;
  Gtk::Button* delete_ = nullptr;
};

}  // namespace lumetta
