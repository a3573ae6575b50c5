// lumetta-browser: the browser itself, which the program lumetta starts when no browser runs in
// the desktop session (main.cpp).
#include <glibmm/miscutils.h>

#include <memory>

#include "app/do_events.h"
#include "engine/webkit_engine.h"
#include "platform/favorites_dialogs.h"
#include "platform/file_dialog.h"
#include "platform/hive_registry.h"
#include "platform/message_box.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "platform/shell.h"
#include "platform/shell_folders.h"
#include "platform/skin.h"
#include "platform/url_history.h"
#include "shell/browser_application.h"

namespace lumetta {
namespace {

// The desktop services and the engine of the browser process, installed in ThePlatform() for
// as long as it runs.
class DesktopBrowser : public Browser {
 public:
  DesktopBrowser() {
    ThePlatform().registry = registry_.get();
    ThePlatform().url_history = history_.get();
    ThePlatform().message_box = &message_box_;
    ThePlatform().shell_folders = &shell_folders_;
    ThePlatform().favorites_dialogs = &favorites_dialogs_;
    ThePlatform().shell = &shell_;
    ThePlatform().skins = &skins_;
    ThePlatform().file_dialog = &file_dialog_;
    ThePlatform().url_cache = engine_.GetUrlCache();
  }
  ~DesktopBrowser() override { ThePlatform() = Platform{}; }

  BrowserControlFactory& Controls() override { return engine_; }
  void DeleteBrowsingData(uint32_t kinds, std::function<void(bool)> done) override {
    engine_.DeleteBrowsingData(kinds, std::move(done));
  }

 private:
  std::unique_ptr<HiveRegistry> registry_ = HiveRegistry::ForThisUser();
  std::unique_ptr<FileUrlHistory> history_ = FileUrlHistory::ForThisUser();
  GtkMessageBox message_box_{[] { return std::make_shared<YieldScope>(); }};
  XdgShellFolders shell_folders_;
  GtkFavoritesDialogs favorites_dialogs_{message_box_};
  SpawnLauncher launcher_;
  DesktopShell shell_{launcher_, ProgramFolder()};
  CssSkinComponent skins_;
  GtkFileDialog file_dialog_;
  WebKitEngine engine_{{.history = history_.get(), .spare_view = true}};
};

}  // namespace
}  // namespace lumetta

int main(int argc, char** argv) {
  using namespace lumetta;
  Glib::set_prgname("lumetta");
  Glib::set_application_name("琉梅塔");
  BrowserApplication application([] { return std::make_unique<DesktopBrowser>(); });
  return application.Run(argc, argv);
}
