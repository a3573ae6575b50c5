#include <glibmm/main.h>
#include <glibmm/miscutils.h>
#include <gtkmm/application.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/do_events.h"
#include "engine/browsing_data/browsing_data_service.h"
#include "engine/webkit_engine.h"
#include "platform/browsing_data.h"
#include "platform/command_line.h"
#include "platform/favorites_dialogs.h"
#include "platform/file_dialog.h"
#include "platform/hive_registry.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/shell.h"
#include "platform/shell_folders.h"
#include "platform/skin.h"
#include "platform/stale_files.h"
#include "platform/url_history.h"
#include "shell/main_windows.h"
#include "ui/main_window/frm_main.h"

int main(int argc, char** argv) {
  using namespace lumetta;
  Glib::set_prgname("lumetta");
  Glib::set_application_name("琉梅塔");
  // The Internet Options panel's way of deleting the browsing history when no browser runs.
  constexpr size_t kOptionLength = sizeof kDeleteBrowsingDataOption - 1;
  if (argc > 1 && std::strncmp(argv[1], kDeleteBrowsingDataOption, kOptionLength) == 0) {
    return RunDeleteBrowsingData(argv[1] + kOptionLength);
  }
  // `lumetta URL` opens URL in the first window instead of the home page (the desktop file's
  // %u, xdg-open, a file named in a terminal).
  const std::string first_url = argc > 1 ? AddressFromArgument(argv[1]) : "";

  // Several processes may run side by side; each ends when its own last window closes.
  auto application = Gtk::Application::create("net.lumetta.Browser", Gio::APPLICATION_NON_UNIQUE);

  auto registry = HiveRegistry::ForThisUser();
  auto history = FileUrlHistory::ForThisUser();
  ThePlatform().registry = registry.get();
  ThePlatform().url_history = history.get();
  GtkMessageBox message_box([] { return std::make_shared<YieldScope>(); });
  ThePlatform().message_box = &message_box;
  XdgShellFolders shell_folders;
  ThePlatform().shell_folders = &shell_folders;
  GtkFavoritesDialogs favorites_dialogs(message_box);
  ThePlatform().favorites_dialogs = &favorites_dialogs;
  SpawnLauncher launcher;
  DesktopShell shell(launcher, ProgramFolder());
  ThePlatform().shell = &shell;
  CssSkinComponent skins;
  ThePlatform().skins = &skins;
  GtkFileDialog file_dialog;
  ThePlatform().file_dialog = &file_dialog;
  WebKitEngine engine({.history = history.get(), .serve_options_panel = true});
  ThePlatform().url_cache = engine.GetUrlCache();

  std::unique_ptr<MainWindows> windows;
  application->signal_activate().connect([&] {
    windows = std::make_unique<MainWindows>(engine, application);
    frmMain& window = windows->CreateMainWindow();
    window.mstrURLNewWindow = first_url;
    window.Show();
    // What killed runs left behind goes once the window is up.
    Glib::signal_idle().connect_once(
        [&] { RemoveStaleFiles(shell_folders.FolderPath(kCsidlFavorites)); });
  });
  char* program_only[] = {argv[0], nullptr};
  const int status = application->run(1, program_only);
  windows.reset();
  return status;
}
