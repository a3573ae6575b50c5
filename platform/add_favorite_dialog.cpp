#include "platform/add_favorite_dialog.h"

#include <glibmm/miscutils.h>
#include <sys/stat.h>

#include "platform/favorite_files.h"
#include "platform/message_box.h"

namespace lumetta {
namespace {

constexpr char kTitle[] = "添加到收藏夹";
constexpr char kRootName[] = "收藏夹";

}  // namespace

AddFavoriteDialog::AddFavoriteDialog(Gtk::Window& owner, const std::string& folder,
                                     const std::string& title, MessageBox& message_box)
    : dialog_(kTitle, owner, true),
      intro_("琉梅塔将把该网页添加到您的收藏夹。"),
      name_label_("名称(_N):", true),
      folder_label_("创建位置(_I):", true),
      message_box_(message_box) {
  dialog_.set_resizable(false);
  dialog_.set_position(Gtk::WIN_POS_CENTER_ON_PARENT);
  dialog_.add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  Gtk::Button* ok = dialog_.add_button("确定(_O)", Gtk::RESPONSE_OK);
  dialog_.set_default_response(Gtk::RESPONSE_OK);

  name_.set_text(title);
  name_.set_width_chars(40);
  name_.set_activates_default(true);
  name_label_.set_mnemonic_widget(name_);
  name_label_.set_xalign(0);
  // A blank name makes no file.
  const auto update_ok = [this, ok] {
    ok->set_sensitive(!FavoriteFileName(name_.get_text().raw(), "").empty());
  };
  name_.signal_changed().connect(update_ok);
  update_ok();

  for (const FavoriteFolder& sub : ListFavoriteFolders(folder)) {
    const std::string name =
        sub.depth == 0 ? kRootName : FavoriteDisplayName(Glib::path_get_basename(sub.path), true);
    folders_.append(sub.path, std::string(2 * sub.depth, ' ') + name);
  }
  folders_.set_active_id(folder);
  folder_label_.set_mnemonic_widget(folders_);
  folder_label_.set_xalign(0);

  intro_.set_xalign(0);
  grid_.set_row_spacing(6);
  grid_.set_column_spacing(12);
  grid_.set_border_width(12);
  grid_.attach(intro_, 0, 0, 2, 1);
  grid_.attach(name_label_, 0, 1);
  grid_.attach(name_, 1, 1);
  grid_.attach(folder_label_, 0, 2);
  grid_.attach(folders_, 1, 2);
  dialog_.get_content_area()->pack_start(grid_);
  dialog_.show_all_children();
}

std::string AddFavoriteDialog::Run() {
  dialog_.show();
  while (dialog_.run() == Gtk::RESPONSE_OK) {
    std::string path = Confirm();
    if (!path.empty()) return path;
  }
  return {};
}

std::string AddFavoriteDialog::Confirm() {
  const std::string file_name = FavoriteFileName(name_.get_text().raw(), kShortcutExtension);
  const std::string folder = folders_.get_active_id();
  if (file_name.empty() || folder.empty()) return {};
  const std::string path = folder + "/" + file_name;
  const std::string shown = "“" + FavoriteDisplayName(file_name, false) + "”";
  struct stat info;
  if (lstat(path.c_str(), &info) != 0) return path;
  if (stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
    message_box_.Show("所选位置已有名为" + shown + "的文件夹。请换一个名称。",
                      kMbOk | kMbIconInformation, kTitle);
    return {};
  }
  if (message_box_.Show("所选位置已有名为" + shown + "的链接。要替换它吗？",
                        kMbYesNo | kMbIconQuestion, kTitle) != kIdYes) {
    return {};
  }
  return path;
}

}  // namespace lumetta
