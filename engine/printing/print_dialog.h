#pragma once

#include <gtkmm/printunixdialog.h>

#include <functional>
#include <memory>
#include <string>

namespace lumetta {

// The print dialog for the process's PrintSetup: printer (a file among them), pages, copies,
// and the page setup on its own tab. Modal for its parent while shown, it runs no main loop of
// its own. The engine's print has no preview, so the dialog offers none.
class PrintDialog {
 public:
  // Shows the dialog over `parent` (may be null) for the page titled `title`; once the user
  // chooses Print the choices are kept in PrintSetup and `accepted` runs, to print with them.
  void Show(Gtk::Window* parent, const std::string& title, std::function<void()> accepted);
  // Takes the dialog down without printing.
  void Close();

 private:
  void OnResponse(int response);

  std::unique_ptr<Gtk::PrintUnixDialog> dialog_;
  std::function<void()> accepted_;
};

}  // namespace lumetta
