#include "engine/page_commands/save_page_dialog.h"

#include <glib.h>

#include "engine/dialog_parent.h"
#include "engine/page_commands/save_page.h"
#include "engine/page_file_name.h"
#include "platform/user_dirs.h"

namespace lumetta {

namespace {

struct FileType {
  const char* name;
  const char* patterns[2];
  SaveType type;
};

const FileType kFileTypes[] = {
    {"Web 档案，单一文件 (*.mht)", {"*.mht", "*.mhtml"}, SaveType::kWebArchive},
    {"网页，仅 HTML (*.htm;*.html)", {"*.htm", "*.html"}, SaveType::kHtml},
    {"文本文件 (*.txt)", {"*.txt", nullptr}, SaveType::kText},
};

// The extension that names a file of `type`, as the first pattern has it.
std::string ExtensionOf(const FileType& type) { return type.patterns[0] + 1; }

// The type a filter of the chooser stands for.
const FileType* TypeOf(const Glib::RefPtr<Gtk::FileFilter>& filter) {
  if (!filter) return nullptr;
  for (const FileType& type : kFileTypes) {
    if (filter->get_name() == type.name) return &type;
  }
  return nullptr;
}

// `name` with the extension of one of the types replaced by `extension`, or with `extension`
// added: a dot inside a title is no extension.
std::string WithExtension(const std::string& name, const std::string& extension) {
  for (const FileType& type : kFileTypes) {
    for (const char* pattern : type.patterns) {
      if (pattern == nullptr) continue;
      const std::string known = pattern + 1;
      if (name.size() > known.size() && g_str_has_suffix(name.c_str(), known.c_str())) {
        return name.substr(0, name.size() - known.size()) + extension;
      }
    }
  }
  return name + extension;
}

}  // namespace

void SavePageDialog::Build() {
  dialog_ = std::make_unique<Gtk::FileChooserDialog>("另存为", Gtk::FILE_CHOOSER_ACTION_SAVE);
  dialog_->add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  dialog_->add_button("保存(_S)", Gtk::RESPONSE_ACCEPT);
  dialog_->set_default_response(Gtk::RESPONSE_ACCEPT);
  dialog_->set_do_overwrite_confirmation(true);
  for (const FileType& type : kFileTypes) {
    auto filter = Gtk::FileFilter::create();
    filter->set_name(type.name);
    for (const char* pattern : type.patterns) {
      if (pattern != nullptr) filter->add_pattern(pattern);
    }
    dialog_->add_filter(filter);
  }
  // The folder is set once: within a run the chooser stays where the user last saved.
  dialog_->set_current_folder(UserDownloadDir());
  dialog_->property_filter().signal_changed().connect(
      sigc::mem_fun(*this, &SavePageDialog::OnTypeChanged));
  dialog_->signal_response().connect(sigc::mem_fun(*this, &SavePageDialog::OnResponse));
}

void SavePageDialog::Show(Gtk::Window* parent) {
  if (!dialog_) Build();
  const FileType* type = TypeOf(dialog_->get_filter());
  const char* title = webkit_web_view_get_title(view_);
  dialog_->set_current_name(
      PageFileName(title != nullptr ? title : "", ExtensionOf(type ? *type : kFileTypes[0])));
  PresentOver(*dialog_, parent, true);
}

void SavePageDialog::Close() {
  if (dialog_) dialog_->hide();
}

// The name's extension follows the type chosen, as the user expects of a save dialog.
void SavePageDialog::OnTypeChanged() {
  const FileType* type = TypeOf(dialog_->get_filter());
  if (type == nullptr) return;
  const std::string name = dialog_->get_current_name();
  if (!name.empty()) dialog_->set_current_name(WithExtension(name, ExtensionOf(*type)));
}

void SavePageDialog::OnResponse(int response) {
  dialog_->hide();
  if (response != Gtk::RESPONSE_ACCEPT) return;
  const std::string path = dialog_->get_filename();
  const FileType* type = TypeOf(dialog_->get_filter());
  if (path.empty()) return;
  SavePage(view_, path, type ? type->type : SaveType::kWebArchive);
}

}  // namespace lumetta
