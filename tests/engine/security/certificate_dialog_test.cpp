// The certificate of an https page in the desktop's certificate view.
#include "engine/security/certificate_dialog.h"

#include <gtest/gtest.h>

#include "tests/support/dialog_driver.h"

namespace lumetta {
namespace {

// Self-signed, for CN=lumetta.test, O=琉梅塔测试.
constexpr char kCertificate[] =
    "-----BEGIN CERTIFICATE-----\n"
    "MIIDQzCCAiugAwIBAgIUH09PJ/RD4gMiRQrw7n3pE25uupwwDQYJKoZIhvcNAQEL\n"
    "BQAwMTEVMBMGA1UEAwwMbHVtZXR0YS50ZXN0MRgwFgYDVQQKDA/nkInmooXloZTm\n"
    "tYvor5UwHhcNMjYxMjA4MDAzMDExWhcNMzYxMjA1MDAzMDExWjAxMRUwEwYDVQQD\n"
    "DAxsdW1ldHRhLnRlc3QxGDAWBgNVBAoMD+eQieaiheWhlOa1i+ivlTCCASIwDQYJ\n"
    "KoZIhvcNAQEBBQADggEPADCCAQoCggEBAI+vnjwhhBtKwpcImUSPHxHtjTgi2Lcb\n"
    "VMy783Y+mc3fXZQxEdnl49NP/WpWA2ihpjNZPqGQ+7ihssCHrL3PRJHX5UeG02ye\n"
    "qPRZH67aks0O2zeOjfS/WJiH5qdlkRR6eaBVkW90OQGXHLMRYc5OVmoJYpZgOvtc\n"
    "C42rPU2HLO4cTxjBq7cAikQisIg5mdY8Ay13hCM3VQOIulpmsvPpNV0BZMjpc3mi\n"
    "U3A4QQYqGu5tmqot59vxZrlSPjfuHDq2sBwT1U4IPIrpJVvAlwy8HLnPup6+rh8H\n"
    "SGNVbWA/xqqpRW4lBRkZ0fcehhkCNauqLQbrCKPUJ6XC1BB7dRl6g6ECAwEAAaNT\n"
    "MFEwHQYDVR0OBBYEFP8ucmOl1JpgOpv/58Mp0Z5uN8dvMB8GA1UdIwQYMBaAFP8u\n"
    "cmOl1JpgOpv/58Mp0Z5uN8dvMA8GA1UdEwEB/wQFMAMBAf8wDQYJKoZIhvcNAQEL\n"
    "BQADggEBADhafXuVkbyy2Wx8bdGaZSwx1kvfjkIcNf1zC5uF4dSpRYgwrifOVAeA\n"
    "H4dGRM11EKW2PBXaTMaUe0EmIDYAtKc7iR4LiuUt5IPMrE4w1tPmiwRhtvIH3yrg\n"
    "T+G3YGXLV0OsakFkJJ7EAVPZoHWZgxOjyG9lPqXoBS10BDq7gUcDTzHmt5BQ3Uem\n"
    "jOM77C14MLPhsuvmJRjC+8GPVuDmEPfKnCfKt0rfO/stP7fwDSxOVbgMFKQ8kD9k\n"
    "s7Io+VLSRSexrWxW6/3NAvyxGwD2outChPmuulyQkRB9H0cRlvQ2rLIBm7z3YZgf\n"
    "OocDJrema3pYybb7HZLTvF85I48dtPU=\n"
    "-----END CERTIFICATE-----\n";

bool HoldsType(Gtk::Widget& root, const char* type) {
  if (std::string(G_OBJECT_TYPE_NAME(root.gobj())) == type) return true;
  if (auto* container = dynamic_cast<Gtk::Container*>(&root)) {
    for (Gtk::Widget* child : container->get_children()) {
      if (HoldsType(*child, type)) return true;
    }
  }
  return false;
}

TEST(CertificateDialogTest, ShowsTheCertificateInTheDesktopsViewOverItsWindow) {
  GTlsCertificate* certificate = g_tls_certificate_new_from_pem(kCertificate, -1, nullptr);
  ASSERT_NE(certificate, nullptr);
  Gtk::Window window;
  window.show();
  CertificateDialog dialog;
  dialog.Show(certificate, window);
  g_object_unref(certificate);
  GtkWindow* shown = test::WaitForWindow("证书");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(gtk_window_get_transient_for(shown), window.gobj());
  EXPECT_TRUE(HoldsType(*Glib::wrap(shown), "GcrCertificateWidget"));
  dialog.Close();
  EXPECT_FALSE(test::IsShown("证书"));
}

}  // namespace
}  // namespace lumetta
