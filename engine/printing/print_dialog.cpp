#include "engine/printing/print_dialog.h"

#include "engine/dialog_parent.h"
#include "engine/page_file_name.h"
#include "engine/printing/print_setup.h"
#include "platform/user_dirs.h"

namespace lumetta {

namespace {

// Printing to a file proposes the page's title as the file's name, in the folder printed to
// last, else the download folder: never the program's working folder.
void SuggestOutputFile(const Glib::RefPtr<Gtk::PrintSettings>& settings, const std::string& title) {
  std::string folder = UserDownloadDir();
  if (gchar* last = g_filename_from_uri(settings->get(GTK_PRINT_SETTINGS_OUTPUT_URI).c_str(),
                                        nullptr, nullptr)) {
    gchar* dir = g_path_get_dirname(last);
    if (g_file_test(dir, G_FILE_TEST_IS_DIR)) folder = dir;
    g_free(dir);
    g_free(last);
  }
  std::string format = settings->get(GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT);
  if (format.empty()) format = "pdf";
  const std::string path = folder + "/" + PageFileName(title, "." + format);
  gchar* uri = g_filename_to_uri(path.c_str(), nullptr, nullptr);
  if (uri != nullptr) settings->set(GTK_PRINT_SETTINGS_OUTPUT_URI, uri);
  g_free(uri);
}

}  // namespace

void PrintDialog::Show(Gtk::Window* parent, const std::string& title,
                       std::function<void()> accepted) {
  if (!dialog_) {
    dialog_ = std::make_unique<Gtk::PrintUnixDialog>("打印");
    // What the engine's print does on its own; the rest falls to the printer.
    dialog_->set_manual_capabilities(
        Gtk::PRINT_CAPABILITY_NUMBER_UP | Gtk::PRINT_CAPABILITY_NUMBER_UP_LAYOUT |
        Gtk::PRINT_CAPABILITY_PAGE_SET | Gtk::PRINT_CAPABILITY_REVERSE |
        Gtk::PRINT_CAPABILITY_COPIES | Gtk::PRINT_CAPABILITY_COLLATE | Gtk::PRINT_CAPABILITY_SCALE);
    dialog_->set_embed_page_setup(true);
    dialog_->signal_response().connect(sigc::mem_fun(*this, &PrintDialog::OnResponse));
  }
  accepted_ = std::move(accepted);
  const Glib::RefPtr<Gtk::PrintSettings> settings = PrintSetup::Get().Settings()->copy();
  SuggestOutputFile(settings, title);
  dialog_->set_settings(settings);
  dialog_->set_page_setup(PrintSetup::Get().PageSetup());
  PresentOver(*dialog_, parent, true);
}

void PrintDialog::Close() {
  if (dialog_) dialog_->hide();
}

void PrintDialog::OnResponse(int response) {
  dialog_->hide();
  if (response != Gtk::RESPONSE_OK) return;
  PrintSetup::Get().Update(dialog_->get_page_setup(), dialog_->get_settings());
  if (accepted_) accepted_();
}

}  // namespace lumetta
