#include "platform/file_dialog.h"

#include <glib.h>
#include <gtkmm/filechooserdialog.h>

#include <memory>

#include "platform/utf8.h"

namespace lumetta {

std::string FilePathText(const std::string& filename) {
  if (g_utf8_validate(filename.data(), static_cast<gssize>(filename.size()), nullptr)) {
    return filename;
  }
  const std::unique_ptr<char, decltype(&g_free)> url(
      g_filename_to_uri(filename.c_str(), nullptr, nullptr), g_free);
  return url ? std::string(url.get()) : std::string();
}

bool GtkFileDialog::OpenFile(Gtk::Window& owner, const OpenFileRequest& request,
                             std::string& path) {
  Gtk::FileChooserDialog dialog(owner, request.title, Gtk::FILE_CHOOSER_ACTION_OPEN);
  dialog.add_button("取消(_C)", Gtk::RESPONSE_CANCEL);
  dialog.add_button("打开(_O)", Gtk::RESPONSE_ACCEPT);
  dialog.set_default_response(Gtk::RESPONSE_ACCEPT);
  dialog.set_local_only(true);
  auto filter = Gtk::FileFilter::create();
  filter->set_name(request.filter_name);
  filter->add_pattern(request.filter_pattern);
  dialog.add_filter(filter);
  dialog.set_filter(filter);
  if (!request.initial_folder.empty()) dialog.set_current_folder(request.initial_folder);
  if (dialog.run() != Gtk::RESPONSE_ACCEPT) return false;
  const std::string filename = dialog.get_filename();
  // Only a document: a pipe or a device is none, and the file may have gone meanwhile.
  if (filename.empty() || !g_file_test(filename.c_str(), G_FILE_TEST_IS_REGULAR)) return false;
  const std::string text = ValidUtf8(filename);
  if (static_cast<size_t>(g_utf8_strlen(text.data(), static_cast<gssize>(text.size()))) >
      request.max_path_length) {
    return false;
  }
  const std::string chosen = FilePathText(filename);
  if (chosen.empty()) return false;
  path = chosen;
  return true;
}

}  // namespace lumetta
