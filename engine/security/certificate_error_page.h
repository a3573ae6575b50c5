#pragma once

#include <gio/gio.h>

#include <string>

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

// The page shown in place of a site whose certificate was refused: titled with its worst
// problem, listing them all, and offering "继续浏览此网站(不推荐)" as a link to
// `continue_uri` when there is one. The texts are escaped.
std::string CertificateErrorPageHtml(const std::string& url, const CertificateProblems& problems,
                                     const std::string& continue_uri);

}  // namespace lumetta
