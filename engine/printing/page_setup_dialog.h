#pragma once

#include <gtkmm/pagesetupunixdialog.h>

#include <functional>
#include <memory>

namespace lumetta {

// The page-setup dialog for the process's PrintSetup: paper, orientation and margins. Modal for
// its parent while shown, it runs no main loop of its own.
class PageSetupDialog {
 public:
  // Shows the dialog over `parent` (may be null) with the current setup; once the user chooses
  // OK the setup is kept and `accepted` runs.
  void Show(Gtk::Window* parent, std::function<void()> accepted);
  // Takes the dialog down, changing nothing.
  void Close();

 private:
  void OnResponse(int response);

  std::unique_ptr<Gtk::PageSetupUnixDialog> dialog_;
  std::function<void()> accepted_;
};

}  // namespace lumetta
