#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/buttonbox.h>
#include <gtkmm/cellrendererpixbuf.h>
#include <gtkmm/cellrenderertext.h>
#include <gtkmm/dialog.h>
#include <gtkmm/label.h>
#include <gtkmm/scrolledwindow.h>
#include <gtkmm/treestore.h>
#include <gtkmm/treeview.h>

#include <string>
#include <vector>

namespace lumetta {

class MessageBox;

// The Organize Favorites dialog: the favorites folder as a tree, with commands that create
// folders and rename, move and delete the selected item in place.
class OrganizeFavoritesDialog {
 public:
  OrganizeFavoritesDialog(Gtk::Window& owner, const std::string& folder, MessageBox& message_box);

  // Runs the dialog modally until the user closes it.
  void Run();

  // The buttons' commands. Each shows its outcome in the tree and tells the user why when it
  // fails.
  // Creates a folder in the selected folder (or beside the selected file, or at the top) and
  // selects it for renaming.
  void CreateFolder();
  void RenameSelected(const std::string& new_name);
  void MoveSelected(const std::string& folder);
  // Asks first; moves the item to the trash, or deletes it for good when there is no trash and
  // the user agrees.
  void DeleteSelected();

  bool Select(const std::string& path);
  std::string SelectedPath();
  // What the tree shows, depth first, two blanks of indent per level.
  std::vector<std::string> ShownNames() const;

  Gtk::Dialog& Dialog() { return dialog_; }

 private:
  struct Columns : Gtk::TreeModelColumnRecord {
    Columns() {
      add(icon);
      add(name);
      add(path);
      add(is_folder);
    }
    Gtk::TreeModelColumn<Glib::ustring> icon;
    Gtk::TreeModelColumn<Glib::ustring> name;
    Gtk::TreeModelColumn<std::string> path;
    Gtk::TreeModelColumn<bool> is_folder;
  };

  void Reload(const std::string& selected);
  void AddRows(const Gtk::TreeNodeChildren* parent, const std::string& folder, int depth);
  Gtk::TreeModel::iterator Find(const std::string& path) const;
  std::string SelectedName();
  bool SelectedIsFolder();
  void StartRenaming();
  void ChooseFolderAndMove();
  void UpdateButtons();
  void Tell(const std::string& message);

  std::string root_;
  MessageBox& message_box_;
  Columns columns_;
  Glib::RefPtr<Gtk::TreeStore> store_;
  Gtk::Dialog dialog_;
  Gtk::Box body_{Gtk::ORIENTATION_HORIZONTAL, 12};
  Gtk::Box side_{Gtk::ORIENTATION_VERTICAL, 12};
  Gtk::Label help_;
  Gtk::ButtonBox buttons_{Gtk::ORIENTATION_VERTICAL};
  Gtk::Button new_folder_;
  Gtk::Button rename_;
  Gtk::Button move_;
  Gtk::Button delete_;
  Gtk::ScrolledWindow scroll_;
  Gtk::TreeView view_;
  Gtk::TreeViewColumn column_;
  Gtk::CellRendererPixbuf icon_cell_;
  Gtk::CellRendererText name_cell_;
};

}  // namespace lumetta
