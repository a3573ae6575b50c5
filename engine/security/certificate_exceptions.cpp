#include "engine/security/certificate_exceptions.h"

#include "engine/security/certificate_error_page.h"

namespace lumetta {

namespace {

// Links of this scheme never load: the control takes them as the user's choice.
constexpr char kContinueScheme[] = "lumetta-certificate:continue/";

}  // namespace

CertificateExceptions::~CertificateExceptions() { g_clear_object(&certificate_); }

std::string CertificateExceptions::Offer(const std::string& uri, GTlsCertificate* certificate,
                                         GTlsCertificateFlags errors) {
  g_clear_object(&certificate_);
  host_.clear();
  link_.clear();
  uri_ = uri;
  GUri* parsed = g_uri_parse(uri.c_str(), G_URI_FLAGS_NONE, nullptr);
  if (parsed != nullptr && g_uri_get_host(parsed) != nullptr && certificate != nullptr) {
    host_ = g_uri_get_host(parsed);
    certificate_ = G_TLS_CERTIFICATE(g_object_ref(certificate));
    // A page cannot guess the link, so it cannot accept the certificate in the user's place.
    gchar* token = g_uuid_string_random();
    link_ = std::string(kContinueScheme) + token;
    g_free(token);
  }
  if (parsed != nullptr) g_uri_unref(parsed);
  return CertificateErrorPageHtml(uri, ProblemsOf(certificate, errors), link_);
}

std::optional<std::string> CertificateExceptions::Accept(const std::string& link,
                                                         WebKitWebContext* context) {
  if (link_.empty() || link != link_) return std::nullopt;
  webkit_web_context_allow_tls_certificate_for_host(context, certificate_, host_.c_str());
  link_.clear();
  return uri_;
}

}  // namespace lumetta
