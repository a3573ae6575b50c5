#include "shell/browser_application.h"

#include <glib.h>
#include <glibmm/main.h>

#include <optional>
#include <utility>

#include "platform/browsing_data.h"
#include "platform/command_line.h"
#include "platform/platform.h"
#include "platform/shell_folders.h"
#include "platform/stale_files.h"
#include "shell/application_id.h"
#include "ui/main_window/frm_main.h"

namespace lumetta {

namespace {

// Exit statuses of `--delete-browsing-data`.
constexpr int kDeleted = 0;
constexpr int kNotDeleted = 1;
constexpr int kBadKinds = 2;

}  // namespace

BrowserApplication::BrowserApplication(std::function<std::unique_ptr<Browser>()> start)
    : start_(std::move(start)),
      application_(
          Gtk::Application::create(kApplicationId, Gio::APPLICATION_HANDLES_COMMAND_LINE)) {
  application_->signal_startup().connect(sigc::mem_fun(*this, &BrowserApplication::Startup));
  // Before the default handler, which only complains that nobody handles the command line.
  application_->signal_command_line().connect(
      sigc::mem_fun(*this, &BrowserApplication::OnCommandLine), false);
}

BrowserApplication::~BrowserApplication() {
  windows_.reset();
  browser_.reset();
}

int BrowserApplication::Run(int argc, char** argv) {
  const int status = application_->run(argc, argv);
  return status != 0 ? status : *deletion_status_;
}

void BrowserApplication::Startup() {
  // An address where no session bus answers is no bus: the engine's sandbox would try to reach
  // it for the pages and end the process when it cannot.
  if (!application_->get_dbus_connection()) g_unsetenv("DBUS_SESSION_BUS_ADDRESS");
  browser_ = start_();
  windows_ = std::make_unique<MainWindows>(browser_->Controls(), application_);
}

int BrowserApplication::OnCommandLine(
    const Glib::RefPtr<Gio::ApplicationCommandLine>& command_line) {
  int argc = 0;
  gchar** argv = g_application_command_line_get_arguments(command_line->gobj(), &argc);
  const std::string argument = argc > 1 ? argv[1] : "";
  g_strfreev(argv);
  if (argument.starts_with(kDeleteBrowsingDataOption)) {
    return DeleteBrowsingData(command_line, argument.substr(sizeof kDeleteBrowsingDataOption - 1));
  }
  // A relative file name means the launching process's working folder.
  const char* cwd = g_application_command_line_get_cwd(command_line->gobj());
  const std::string address = AddressFromArgument(argument, cwd != nullptr ? cwd : "");
  if (!command_line->is_remote()) {
    // The process's own start: its first window opens the address.
    frmMain& window = windows_->CreateMainWindow();
    window.mstrURLNewWindow = address;
    window.Show();
    // What killed runs left behind goes once the window is up.
    Glib::signal_idle().connect_once([] {
      if (ShellFolders* folders = ThePlatform().shell_folders) {
        RemoveStaleFiles(folders->FolderPath(kCsidlFavorites));
      }
    });
    return 0;
  }
  // The launch waits for this answer: it ends at once, and the window opens after.
  application_->hold();
  Glib::signal_idle().connect(
      sigc::bind(sigc::mem_fun(*this, &BrowserApplication::OpenNewWindow), address));
  return 0;
}

bool BrowserApplication::OpenNewWindow(const std::string& address) {
  AddNewMainWindow(*windows_, address);
  application_->release();
  return false;
}

int BrowserApplication::DeleteBrowsingData(
    const Glib::RefPtr<Gio::ApplicationCommandLine>& command_line, const std::string& kinds) {
  const std::optional<uint32_t> parsed = ParseBrowsingDataKinds(kinds);
  if (!parsed) return kBadKinds;
  // The launch waits until the command line is let go, and ends with its status.
  application_->hold();
  const bool here = !command_line->is_remote();
  browser_->DeleteBrowsingData(*parsed, [application = application_, command_line, here,
                                         own_status = deletion_status_](bool deleted) {
    const int status = deleted ? kDeleted : kNotDeleted;
    command_line->set_exit_status(status);
    if (here) *own_status = status;
    application->release();
  });
  return kDeleted;
}

}  // namespace lumetta
