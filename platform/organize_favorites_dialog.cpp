#include "platform/organize_favorites_dialog.h"

#include <glibmm/miscutils.h>
#include <gtkmm/liststore.h>

#include "platform/favorite_files.h"
#include "platform/message_box.h"

namespace lumetta {
namespace {

constexpr char kTitle[] = "整理收藏夹";

std::string Quoted(const std::string& name) { return "“" + name + "”"; }

// A modal list of the favorites folders to move `item` into; "" when cancelled.
std::string ChooseFolder(Gtk::Window& parent, const std::string& root, const std::string& item,
                         const std::string& item_name) {
  Gtk::Dialog dialog("移至文件夹", parent, true);
  dialog.add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  dialog.add_button("确定(_O)", Gtk::RESPONSE_OK);
  dialog.set_default_response(Gtk::RESPONSE_OK);
  dialog.set_default_size(360, 320);
  Gtk::TreeModelColumnRecord record;
  Gtk::TreeModelColumn<Glib::ustring> name;
  Gtk::TreeModelColumn<std::string> path;
  record.add(name);
  record.add(path);
  const auto store = Gtk::ListStore::create(record);
  for (const FavoriteFolder& folder : ListFavoriteFolders(root)) {
    // A folder cannot go into itself.
    if (folder.path == item || folder.path.starts_with(item + "/")) continue;
    const auto row = store->append();
    const std::string shown = folder.depth == 0
                                  ? "收藏夹"
                                  : FavoriteDisplayName(Glib::path_get_basename(folder.path), true);
    row->set_value(name, Glib::ustring(std::string(2 * folder.depth, ' ') + shown));
    row->set_value(path, folder.path);
  }
  Gtk::Label label("将" + Quoted(item_name) + "移至：");
  label.set_xalign(0);
  Gtk::TreeView view(store);
  view.append_column("文件夹", name);
  view.set_headers_visible(false);
  view.signal_row_activated().connect([&dialog](const Gtk::TreeModel::Path&, Gtk::TreeViewColumn*) {
    dialog.response(Gtk::RESPONSE_OK);
  });
  Gtk::ScrolledWindow scroll;
  scroll.add(view);
  scroll.set_shadow_type(Gtk::SHADOW_IN);
  Gtk::Box* content = dialog.get_content_area();
  content->set_spacing(6);
  content->set_border_width(12);
  content->pack_start(label, Gtk::PACK_SHRINK);
  content->pack_start(scroll);
  dialog.show_all();
  if (dialog.run() != Gtk::RESPONSE_OK) return {};
  const auto chosen = view.get_selection()->get_selected();
  return chosen ? chosen->get_value(path) : std::string();
}

}  // namespace

OrganizeFavoritesDialog::OrganizeFavoritesDialog(Gtk::Window& owner, const std::string& folder,
                                                 MessageBox& message_box)
    : root_(folder),
      message_box_(message_box),
      store_(Gtk::TreeStore::create(columns_)),
      dialog_(kTitle, owner, true),
      help_(
          "要创建新文件夹，请单击“创建文件夹”。要重命名、移动或删除某一项，请先选中它，再单击相应的"
          "按钮。"),
      new_folder_("创建文件夹(_C)", true),
      rename_("重命名(_R)", true),
      move_("移至文件夹(_M)...", true),
      delete_("删除(_D)", true) {
  dialog_.set_default_size(560, 400);
  dialog_.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  dialog_.add_button("关闭", Gtk::RESPONSE_CLOSE);

  help_.set_line_wrap(true);
  help_.set_max_width_chars(24);
  help_.set_xalign(0);
  buttons_.set_layout(Gtk::BUTTONBOX_START);
  buttons_.set_spacing(6);
  for (Gtk::Button* button : {&new_folder_, &rename_, &move_, &delete_}) buttons_.add(*button);
  side_.pack_start(help_, Gtk::PACK_SHRINK);
  side_.pack_start(buttons_, Gtk::PACK_SHRINK);

  column_.pack_start(icon_cell_, false);
  column_.add_attribute(icon_cell_.property_icon_name(), columns_.icon);
  column_.pack_start(name_cell_, true);
  column_.add_attribute(name_cell_.property_text(), columns_.name);
  view_.append_column(column_);
  view_.set_model(store_);
  view_.set_headers_visible(false);
  scroll_.add(view_);
  scroll_.set_shadow_type(Gtk::SHADOW_IN);
  body_.set_border_width(12);
  body_.pack_start(side_, Gtk::PACK_SHRINK);
  body_.pack_start(scroll_);
  dialog_.get_content_area()->pack_start(body_);
  dialog_.show_all_children();

  new_folder_.signal_clicked().connect([this] { CreateFolder(); });
  rename_.signal_clicked().connect([this] { StartRenaming(); });
  move_.signal_clicked().connect([this] { ChooseFolderAndMove(); });
  delete_.signal_clicked().connect([this] { DeleteSelected(); });
  view_.get_selection()->signal_changed().connect([this] { UpdateButtons(); });
  // The name is edited in place; editing ends with the cell's own editing.
  name_cell_.signal_edited().connect([this](const Glib::ustring&, const Glib::ustring& text) {
    name_cell_.property_editable() = false;
    RenameSelected(text);
  });
  name_cell_.signal_editing_canceled().connect([this] { name_cell_.property_editable() = false; });
  Reload("");
}

void OrganizeFavoritesDialog::Run() {
  dialog_.show();
  dialog_.run();
}

void OrganizeFavoritesDialog::Reload(const std::string& selected) {
  store_->clear();
  if (!root_.empty()) AddRows(nullptr, root_, 1);
  view_.expand_all();
  if (selected.empty() || !Select(selected)) UpdateButtons();
}

void OrganizeFavoritesDialog::AddRows(const Gtk::TreeNodeChildren* parent,
                                      const std::string& folder, int depth) {
  for (const FavoriteItem& item : ListFavoriteItems(folder)) {
    const auto row = parent != nullptr ? store_->append(*parent) : store_->append();
    row->set_value(columns_.icon, Glib::ustring(item.is_folder ? "folder" : "text-html"));
    row->set_value(columns_.name,
                   Glib::ustring(FavoriteDisplayName(item.file_name, item.is_folder)));
    row->set_value(columns_.path, item.path);
    row->set_value(columns_.is_folder, item.is_folder);
    if (item.is_folder && depth < kMaxFolderDepth && IsFolderToEnter(root_, folder, item.path)) {
      AddRows(&row->children(), item.path, depth + 1);
    }
  }
}

Gtk::TreeModel::iterator OrganizeFavoritesDialog::Find(const std::string& path) const {
  Gtk::TreeModel::iterator found;
  store_->foreach_iter([&](const Gtk::TreeModel::iterator& row) {
    if (row->get_value(columns_.path) != path) return false;
    found = row;
    return true;
  });
  return found;
}

bool OrganizeFavoritesDialog::Select(const std::string& path) {
  const auto row = Find(path);
  if (!row) return false;
  view_.expand_to_path(store_->get_path(row));
  view_.get_selection()->select(row);
  view_.scroll_to_row(store_->get_path(row));
  UpdateButtons();
  return true;
}

std::string OrganizeFavoritesDialog::SelectedPath() {
  const auto row = view_.get_selection()->get_selected();
  return row ? row->get_value(columns_.path) : std::string();
}

std::string OrganizeFavoritesDialog::SelectedName() {
  const auto row = view_.get_selection()->get_selected();
  return row ? std::string(row->get_value(columns_.name)) : std::string();
}

bool OrganizeFavoritesDialog::SelectedIsFolder() {
  const auto row = view_.get_selection()->get_selected();
  return row && row->get_value(columns_.is_folder);
}

std::vector<std::string> OrganizeFavoritesDialog::ShownNames() const {
  std::vector<std::string> names;
  store_->foreach_path([&](const Gtk::TreeModel::Path& path) {
    const std::string name = store_->get_iter(path)->get_value(columns_.name);
    names.push_back(std::string(2 * (path.size() - 1), ' ') + name);
    return false;
  });
  return names;
}

void OrganizeFavoritesDialog::UpdateButtons() {
  const bool selected = static_cast<bool>(view_.get_selection()->get_selected());
  new_folder_.set_sensitive(!root_.empty());
  rename_.set_sensitive(selected);
  move_.set_sensitive(selected);
  delete_.set_sensitive(selected);
}

void OrganizeFavoritesDialog::Tell(const std::string& message) {
  message_box_.Show(message, kMbOk | kMbIconInformation, kTitle);
}

void OrganizeFavoritesDialog::CreateFolder() {
  if (root_.empty()) return;
  std::string parent = SelectedPath();
  if (parent.empty()) {
    parent = root_;
  } else if (!SelectedIsFolder()) {
    parent = Glib::path_get_dirname(parent);
  }
  const std::string created = CreateFavoritesFolder(parent);
  if (created.empty()) {
    Tell("无法在此创建文件夹。");
    return;
  }
  Reload(created);
  StartRenaming();
}

void OrganizeFavoritesDialog::StartRenaming() {
  const auto row = view_.get_selection()->get_selected();
  if (!row || !view_.get_realized()) return;
  name_cell_.property_editable() = true;
  view_.set_cursor(store_->get_path(row), column_, name_cell_, true);
}

void OrganizeFavoritesDialog::RenameSelected(const std::string& new_name) {
  const std::string path = SelectedPath();
  if (path.empty()) return;
  std::string renamed;
  switch (RenameFavorite(path, new_name, &renamed)) {
    case FileChange::kDone:
      Reload(renamed);
      break;
    case FileChange::kExists:
      Tell("已有名为" + Quoted(FavoriteDisplayName(Glib::path_get_basename(renamed), false)) +
           "的项目。请换一个名称。");
      break;
    case FileChange::kFailed:
      Tell("无法重命名" + Quoted(SelectedName()) + "。");
      break;
  }
}

void OrganizeFavoritesDialog::ChooseFolderAndMove() {
  const std::string path = SelectedPath();
  if (path.empty()) return;
  const std::string folder = ChooseFolder(dialog_, root_, path, SelectedName());
  if (!folder.empty()) MoveSelected(folder);
}

void OrganizeFavoritesDialog::MoveSelected(const std::string& folder) {
  const std::string path = SelectedPath();
  if (path.empty()) return;
  std::string moved;
  switch (MoveFavorite(path, folder, &moved)) {
    case FileChange::kDone:
      Reload(moved);
      break;
    case FileChange::kExists:
      Tell("目标文件夹中已有名为" + Quoted(SelectedName()) + "的项目。");
      break;
    case FileChange::kFailed:
      Tell("无法将" + Quoted(SelectedName()) + "移至该文件夹。");
      break;
  }
}

void OrganizeFavoritesDialog::DeleteSelected() {
  const std::string path = SelectedPath();
  if (path.empty()) return;
  const std::string name = Quoted(SelectedName());
  if (message_box_.Show("确实要删除" + name + "吗？", kMbYesNo | kMbIconQuestion, kTitle) !=
      kIdYes) {
    return;
  }
  if (!TrashFavorite(path)) {
    if (message_box_.Show("无法将" + name + "移到回收站。要永久删除它吗？",
                          kMbYesNo | kMbIconQuestion, kTitle) != kIdYes) {
      return;
    }
    if (!DeleteFavorite(path)) Tell("无法删除" + name + "。");
  }
  Reload(Glib::path_get_dirname(path));
}

}  // namespace lumetta
