#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/frame.h>
#include <gtkmm/label.h>

#include <memory>
#include <string>

namespace lumetta {

// The Internet Options panel: the home page, kept as "Start Page" in the user hive, and
// deleting the browsing history.
class OptionsWindow : public Gtk::Dialog {
 public:
  // `hive_path` is the user hive; `browser_program` deletes the history when no browser runs.
  OptionsWindow(std::string hive_path, std::string browser_program);

  // Saves the home page if it changed. False, after telling the user why, when it could not be
  // saved; the hive is then as it was.
  bool Apply();
  // Asks which parts of the browsing history to delete, and deletes them.
  void DeleteHistory();

  Gtk::Entry& HomePageBox() { return home_page_; }
  Gtk::Button& ApplyButton() { return *apply_; }
  // Whether a deletion is under way.
  bool Deleting() const { return deleting_; }

 private:
  void OnResponse(int response);
  void Changed();

  std::string hive_path_;
  std::string browser_program_;
  // The home page as the hive holds it.
  std::string saved_;
  bool deleting_ = false;
  // Expires with the window, for answers that come after it has gone.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);

  Gtk::Frame home_frame_{"主页"};
  Gtk::Box home_box_{Gtk::ORIENTATION_VERTICAL, 6};
  Gtk::Label home_text_;
  Gtk::Entry home_page_;
  Gtk::Box home_buttons_{Gtk::ORIENTATION_HORIZONTAL, 6};
  Gtk::Button use_default_{"使用默认页(_F)", true};
  Gtk::Frame history_frame_{"浏览历史记录"};
  Gtk::Box history_box_{Gtk::ORIENTATION_VERTICAL, 6};
  Gtk::Label history_text_;
  Gtk::Box history_buttons_{Gtk::ORIENTATION_HORIZONTAL, 6};
  Gtk::Button delete_{"删除(_D)...", true};
  Gtk::Button* apply_ = nullptr;
};

}  // namespace lumetta
