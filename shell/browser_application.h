#pragma once

#include <giomm/applicationcommandline.h>
#include <gtkmm/application.h>
#include <sigc++/trackable.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/browser_control.h"
#include "shell/main_windows.h"

namespace lumetta {

// What the process that becomes the browser runs on. Only that process makes it: a launch that
// hands its command line to a running browser makes none of it.
class Browser {
 public:
  virtual ~Browser() = default;
  virtual BrowserControlFactory& Controls() = 0;
  // Deletes the `kinds` of browsing data (kVisitedAddresses...), then calls `done` from the
  // main loop with whether all of it went.
  virtual void DeleteBrowsingData(uint32_t kinds, std::function<void(bool deleted)> done) = 0;
};

// The browser as the one application `net.lumetta.Browser` of the desktop session. The first
// launch becomes the browser; every later `lumetta [URL|FILE]` hands its command line (and its
// working folder) to it and ends at once, and the browser opens a new main window on that
// address, or on the start page without one. `lumetta --delete-browsing-data=KINDS` is handed
// over the same way and ends with the deletion's status. Without a session bus every launch is
// a browser of its own. The browser ends when its last window, the Open dialog included, has
// closed and no download or deletion is left.
class BrowserApplication : public sigc::trackable {
 public:
  // `start` makes the browser's services, once this process has become the browser.
  explicit BrowserApplication(std::function<std::unique_ptr<Browser>()> start);
  ~BrowserApplication();
  BrowserApplication(const BrowserApplication&) = delete;
  BrowserApplication& operator=(const BrowserApplication&) = delete;

  // Handles the program's command line here or in the running browser, and gives the exit
  // status once this process is done.
  int Run(int argc, char** argv);

  // The browser's main windows; null in a process that is not the browser.
  MainWindows* Windows() const { return windows_.get(); }

 private:
  void Startup();
  int OnCommandLine(const Glib::RefPtr<Gio::ApplicationCommandLine>& command_line);
  int DeleteBrowsingData(const Glib::RefPtr<Gio::ApplicationCommandLine>& command_line,
                         const std::string& kinds);
  bool OpenNewWindow(const std::string& address);

  std::function<std::unique_ptr<Browser>()> start_;
  Glib::RefPtr<Gtk::Application> application_;
  std::unique_ptr<Browser> browser_;
  std::unique_ptr<MainWindows> windows_;
  // A deletion's status when this process was started for it; the application's own status
  // is the command line's first answer.
  std::shared_ptr<int> deletion_status_ = std::make_shared<int>(0);
};

}  // namespace lumetta
