#pragma once

#include <webkit2/webkit2.h>

#include <optional>
#include <string>

namespace lumetta {

// The certificate a view's error page offers to accept. Only a click on that page's own link
// accepts it, for the refused site's host, until the process ends.
class CertificateExceptions {
 public:
  CertificateExceptions() = default;
  ~CertificateExceptions();
  CertificateExceptions(const CertificateExceptions&) = delete;
  CertificateExceptions& operator=(const CertificateExceptions&) = delete;

  // The error page for `uri`, refused for `certificate`; it replaces any earlier offer.
  std::string Offer(const std::string& uri, GTlsCertificate* certificate,
                    GTlsCertificateFlags errors);
  // When `link` is the link of the page offered last, accepts its certificate for its host in
  // `context` and gives the address to load again.
  std::optional<std::string> Accept(const std::string& link, WebKitWebContext* context);

 private:
  GTlsCertificate* certificate_ = nullptr;
  std::string uri_;
  std::string host_;
  std::string link_;
};

}  // namespace lumetta
