#include "engine/security/certificate_dialog.h"

#define GCR_API_SUBJECT_TO_CHANGE
#include <gcr/gcr.h>

#include "engine/dialog_parent.h"

namespace lumetta {

void CertificateDialog::Show(GTlsCertificate* certificate, Gtk::Window& parent) {
  GByteArray* der = nullptr;
  g_object_get(certificate, "certificate", &der, nullptr);
  if (der == nullptr) return;
  GcrCertificate* gcr_certificate = gcr_simple_certificate_new(der->data, der->len);
  g_byte_array_unref(der);
  dialog_ = std::make_unique<Gtk::Dialog>("证书", false);
  dialog_->add_button("关闭(_C)", Gtk::RESPONSE_CLOSE);
  dialog_->set_default_size(560, 560);
  dialog_->signal_response().connect([this](int) { dialog_->hide(); });
  Gtk::Widget* view =
      Gtk::manage(Glib::wrap(GTK_WIDGET(gcr_certificate_widget_new(gcr_certificate))));
  g_object_unref(gcr_certificate);
  dialog_->get_content_area()->pack_start(*view, Gtk::PACK_EXPAND_WIDGET);
  dialog_->show_all_children();
  PresentOver(*dialog_, &parent, false);
}

void CertificateDialog::Close() {
  if (dialog_) dialog_->hide();
}

}  // namespace lumetta
