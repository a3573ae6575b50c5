#pragma once

#include <gio/gio.h>
#include <gtkmm/dialog.h>

#include <memory>

namespace lumetta {

// The desktop's certificate view (gcr) of a site's certificate, in a dialog "证书" of its own.
class CertificateDialog {
 public:
  // Shows `certificate` over `parent`; a dialog already up shows the new one instead.
  void Show(GTlsCertificate* certificate, Gtk::Window& parent);
  void Close();

 private:
  std::unique_ptr<Gtk::Dialog> dialog_;
};

}  // namespace lumetta
