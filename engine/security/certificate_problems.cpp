#include "engine/security/certificate_problems.h"

namespace lumetta {

namespace {

// A certificate that names itself as its issuer vouches for nobody but itself.
bool IsSelfSigned(GTlsCertificate* certificate) {
  if (certificate == nullptr || g_tls_certificate_get_issuer(certificate) != nullptr) return false;
  gchar* subject = g_tls_certificate_get_subject_name(certificate);
  gchar* issuer = g_tls_certificate_get_issuer_name(certificate);
  const bool self = subject != nullptr && issuer != nullptr && g_strcmp0(subject, issuer) == 0;
  g_free(subject);
  g_free(issuer);
  return self;
}

}  // namespace

CertificateProblems ProblemsOf(GTlsCertificate* certificate, GTlsCertificateFlags errors) {
  CertificateProblems problems;
  problems.wrong_host = errors & G_TLS_CERTIFICATE_BAD_IDENTITY;
  problems.expired = errors & G_TLS_CERTIFICATE_EXPIRED;
  problems.not_yet_valid = errors & G_TLS_CERTIFICATE_NOT_ACTIVATED;
  problems.revoked = errors & G_TLS_CERTIFICATE_REVOKED;
  if (errors & G_TLS_CERTIFICATE_UNKNOWN_CA) {
    problems.self_signed = IsSelfSigned(certificate);
    problems.unknown_issuer = !problems.self_signed;
  }
  problems.insecure = errors & G_TLS_CERTIFICATE_INSECURE;
  problems.other =
      (errors & G_TLS_CERTIFICATE_GENERIC_ERROR) ||
      !(problems.wrong_host || problems.expired || problems.not_yet_valid || problems.revoked ||
        problems.self_signed || problems.unknown_issuer || problems.insecure);
  return problems;
}

}  // namespace lumetta
