#pragma once

#include <gio/gio.h>

#include <vector>

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

// What a user reads of one problem, wherever it shows: its name ("证书已过期"), which titles the
// error page and is listed in the page's properties, and a sentence that explains it.
struct CertificateProblemText {
  const char* name;
  const char* explanation;
};

// The texts of the problems present, worst first.
std::vector<CertificateProblemText> DescribeProblems(const CertificateProblems& problems);

}  // namespace lumetta
