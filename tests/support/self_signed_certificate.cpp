#include "tests/support/self_signed_certificate.h"

#include "tests/support/temp_dir.h"

namespace lumetta::test {

GTlsCertificate* MakeSelfSignedCertificate(const std::string& host) {
  const TempDir folder;
  const std::string key = folder.Path() + "/key.pem";
  const std::string certificate = folder.Path() + "/certificate.pem";
  const std::string subject = "/CN=" + host;
  const std::string alt_name = "subjectAltName=IP:" + host;
  const char* argv[] = {"openssl",
                        "req",
                        "-x509",
                        "-newkey",
                        "ec",
                        "-pkeyopt",
                        "ec_paramgen_curve:prime256v1",
                        "-nodes",
                        "-days",
                        "2",
                        "-subj",
                        subject.c_str(),
                        "-addext",
                        alt_name.c_str(),
                        "-keyout",
                        key.c_str(),
                        "-out",
                        certificate.c_str(),
                        nullptr};
  gint status = 1;
  if (!g_spawn_sync(nullptr, const_cast<gchar**>(argv), nullptr,
                    static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_STDOUT_TO_DEV_NULL |
                                             G_SPAWN_STDERR_TO_DEV_NULL),
                    nullptr, nullptr, nullptr, nullptr, &status, nullptr) ||
      status != 0) {
    return nullptr;
  }
  return g_tls_certificate_new_from_files(certificate.c_str(), key.c_str(), nullptr);
}

}  // namespace lumetta::test
