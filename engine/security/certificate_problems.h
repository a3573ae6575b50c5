#pragma once

#include <gio/gio.h>

namespace lumetta {

// What is wrong with a certificate the engine refused.
struct CertificateProblems {
  bool wrong_host = false;
  bool expired = false;
  bool not_yet_valid = false;
  bool revoked = false;
  bool self_signed = false;
  bool unknown_issuer = false;
  bool insecure = false;
  bool other = false;
};

CertificateProblems ProblemsOf(GTlsCertificate* certificate, GTlsCertificateFlags errors);

}  // namespace lumetta
