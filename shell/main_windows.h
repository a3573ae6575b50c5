#pragma once

#include <gtkmm/application.h>

#include <memory>
#include <vector>

#include "app/browser_control.h"
#include "ui/main_window/window_host.h"

namespace lumetta {

// Creates the process's main windows and destroys them once closed. With an application, each
// open window keeps the process running; the process ends when the last one closes.
class MainWindows : public WindowHost {
 public:
  MainWindows(BrowserControlFactory& factory, Glib::RefPtr<Gtk::Application> application);
  ~MainWindows() override;

  frmMain& CreateMainWindow() override;
  frmMain& CreateMainWindow(std::unique_ptr<BrowserControl> control) override;
  void Unload(frmMain& window) override;

  size_t OpenCount() const { return open_.size(); }
  // The open windows, oldest first.
  frmMain& OpenWindow(size_t position) const { return *open_.at(position); }
  // The window created first, while it is open.
  frmMain* DefaultWindow() const { return default_window_; }

 private:
  static void DestroyClosed(void* self);

  BrowserControlFactory& factory_;
  Glib::RefPtr<Gtk::Application> application_;
  std::vector<std::unique_ptr<frmMain>> open_;
  std::vector<std::unique_ptr<frmMain>> closed_;
  frmMain* default_window_ = nullptr;
  bool created_any_ = false;
};

}  // namespace lumetta
