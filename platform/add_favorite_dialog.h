#pragma once

#include <gtkmm/comboboxtext.h>
#include <gtkmm/dialog.h>
#include <gtkmm/entry.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>

#include <string>

namespace lumetta {

class MessageBox;

// The Add Favorite dialog: a name, proposed from the page title, and the folder to put the
// shortcut in, the favorites folder or one of its sub-folders.
class AddFavoriteDialog {
 public:
  AddFavoriteDialog(Gtk::Window& owner, const std::string& folder, const std::string& title,
                    MessageBox& message_box);

  // Runs the dialog modally until the user confirms or cancels. Gives the full path of the
  // shortcut file to write, or "" when cancelled.
  std::string Run();

  // What OK does with the name and folder chosen: gives the shortcut's path, or "" when the
  // dialog is to stay open (the name is blank, something that is not a shortcut has that name,
  // or the user keeps the shortcut of that name that is already there).
  std::string Confirm();

  Gtk::Dialog& Dialog() { return dialog_; }
  Gtk::Entry& NameEntry() { return name_; }
  Gtk::ComboBoxText& FolderBox() { return folders_; }

 private:
  Gtk::Dialog dialog_;
  Gtk::Grid grid_;
  Gtk::Label intro_;
  Gtk::Label name_label_;
  Gtk::Entry name_;
  Gtk::Label folder_label_;
  Gtk::ComboBoxText folders_;
  MessageBox& message_box_;
};

}  // namespace lumetta
