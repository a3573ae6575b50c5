#pragma once

#include <gtkmm/application.h>

#include <memory>
#include <vector>

#include "app/browser_control.h"
#include "ui/main_window/window_host.h"
#include "ui/open_dialog/frm_open.h"

namespace lumetta {

// Creates the process's main windows and its Open dialog, and destroys them once closed. With an
// application, each open window, the dialog included, keeps the process running; the process
// ends when the last one closes.
class MainWindows : public WindowHost {
 public:
  MainWindows(BrowserControlFactory& factory, Glib::RefPtr<Gtk::Application> application);
  ~MainWindows() override;

  frmMain& CreateMainWindow() override;
  frmMain& CreateMainWindow(std::unique_ptr<BrowserControl> control) override;
  void Unload(frmMain& window) override;
  frmMain* DefaultWindow() override;
  void ShowOpenDialog() override;
  void UnloadOpenDialog() override;

  size_t OpenCount() const { return open_.size(); }
  // The open windows, oldest first.
  frmMain& OpenWindow(size_t position) const { return *open_.at(position); }
  // The Open dialog while it is open, else null.
  frmOpen* OpenDialog() const { return open_dialog_.get(); }

 private:
  static void DestroyClosed(void* self);

  BrowserControlFactory& factory_;
  Glib::RefPtr<Gtk::Application> application_;
  std::vector<std::unique_ptr<frmMain>> open_;
  std::vector<std::unique_ptr<frmMain>> closed_;
  std::unique_ptr<frmOpen> open_dialog_;
  std::vector<std::unique_ptr<frmOpen>> closed_dialogs_;
  frmMain* default_window_ = nullptr;
  bool created_any_ = false;
};

}  // namespace lumetta
