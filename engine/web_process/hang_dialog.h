#pragma once

#include <gtkmm/messagedialog.h>

#include <string>

namespace lumetta {

// Asks what to do with a page that stops answering: wait, or end the page. It stands over the
// page's window without blocking it, and goes when the page answers again.
class HangDialog : public Gtk::MessageDialog {
 public:
  enum Response { kWait = 1, kEndPage = 2 };

  HangDialog(Gtk::Window* parent, const std::string& url);
};

}  // namespace lumetta
