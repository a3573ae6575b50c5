#pragma once

#include <gtkmm/button.h>
#include <gtkmm/dialog.h>
#include <gtkmm/grid.h>
#include <gtkmm/label.h>
#include <webkit2/webkit2.h>

#include <memory>
#include <string>

#include "engine/security/certificate_dialog.h"

namespace lumetta {

// The "属性" dialog of the page in a view: title, address (selectable), protocol, type, size in
// bytes, the modified date when the server sent one, and the connection's security, with the
// certificate of an https page in the desktop's certificate view.
class PagePropertiesDialog {
 public:
  explicit PagePropertiesDialog(WebKitWebView* view);
  ~PagePropertiesDialog();
  PagePropertiesDialog(const PagePropertiesDialog&) = delete;
  PagePropertiesDialog& operator=(const PagePropertiesDialog&) = delete;

  // Shows the properties of the page shown now; the size follows when the engine has it.
  void Show(Gtk::Window* parent);
  void Close();

 private:
  void Fill();
  // A row of caption and value; the value's widget is named `name`, for the tests.
  Gtk::Label& AddRow(const char* caption, const char* name);
  static void OnData(GObject* resource, GAsyncResult* result, gpointer request);

  WebKitWebView* view_;
  Gtk::Dialog dialog_;
  Gtk::Grid grid_;
  Gtk::Label title_;
  Gtk::Label* protocol_ = nullptr;
  Gtk::Label* type_ = nullptr;
  Gtk::Label* security_ = nullptr;
  Gtk::Label* address_ = nullptr;
  Gtk::Label* size_ = nullptr;
  Gtk::Label* modified_ = nullptr;
  Gtk::Button certificate_button_{"证书(_C)...", true};
  GTlsCertificate* certificate_ = nullptr;
  CertificateDialog certificate_dialog_;
  int rows_ = 0;
  // Replaced at every fill, so that the size of an earlier page cannot land late.
  std::shared_ptr<void> fill_;
};

}  // namespace lumetta
