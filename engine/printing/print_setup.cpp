#include "engine/printing/print_setup.h"

#include <glib/gstdio.h>

#include "platform/file_io.h"
#include "platform/user_dirs.h"

namespace lumetta {

namespace {

constexpr size_t kMaxSetupBytes = 1 << 20;

}  // namespace

PrintSetup& PrintSetup::Get() {
  static PrintSetup setup(UserConfigDir() + "/lumetta/print-setup.ini");
  return setup;
}

PrintSetup::PrintSetup(std::string path)
    : path_(std::move(path)),
      page_setup_(Gtk::PageSetup::create()),
      settings_(Gtk::PrintSettings::create()) {
  std::string contents;
  if (ReadRegularFile(path_, kMaxSetupBytes, contents) != ReadStatus::kRead) return;
  GKeyFile* file = g_key_file_new();
  if (g_key_file_load_from_data(file, contents.data(), contents.size(), G_KEY_FILE_NONE, nullptr)) {
    // Each part falls back to the defaults on its own when its group is missing or damaged.
    if (GtkPageSetup* page_setup = gtk_page_setup_new_from_key_file(file, nullptr, nullptr)) {
      page_setup_ = Glib::wrap(page_setup);
    }
    if (GtkPrintSettings* settings = gtk_print_settings_new_from_key_file(file, nullptr, nullptr)) {
      settings_ = Glib::wrap(settings);
    }
  }
  g_key_file_free(file);
}

bool PrintSetup::Update(const Glib::RefPtr<Gtk::PageSetup>& page_setup,
                        const Glib::RefPtr<Gtk::PrintSettings>& settings) {
  if (page_setup) page_setup_ = page_setup->copy();
  if (settings) settings_ = settings->copy();
  GKeyFile* file = g_key_file_new();
  gtk_page_setup_to_key_file(page_setup_->gobj(), file, nullptr);
  gtk_print_settings_to_key_file(settings_->gobj(), file, nullptr);
  gsize length = 0;
  gchar* data = g_key_file_to_data(file, &length, nullptr);
  g_key_file_free(file);
  gchar* dir = g_path_get_dirname(path_.c_str());
  const bool saved = g_mkdir_with_parents(dir, 0700) == 0 &&
                     ReplaceFile(path_, std::string_view(data, length), std::nullopt);
  g_free(dir);
  g_free(data);
  return saved;
}

}  // namespace lumetta
