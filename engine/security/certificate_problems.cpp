#include "engine/security/certificate_problems.h"

namespace lumetta {

namespace {

struct Problem {
  bool CertificateProblems::*present;
  CertificateProblemText text;
};

// Worst first.
constexpr Problem kProblems[] = {
    {&CertificateProblems::wrong_host,
     {"证书与网站地址不符", "此网站出示的安全证书是为其他网站地址颁发的。"}},
    {&CertificateProblems::revoked, {"证书已被吊销", "此网站出示的安全证书已被其颁发机构吊销。"}},
    {&CertificateProblems::expired, {"证书已过期", "此网站出示的安全证书已过期。"}},
    {&CertificateProblems::not_yet_valid, {"证书尚未生效", "此网站出示的安全证书尚未生效。"}},
    {&CertificateProblems::self_signed,
     {"自签名证书", "此网站出示的安全证书是它自己签发的，没有受信任的证书颁发机构为它担保。"}},
    {&CertificateProblems::unknown_issuer,
     {"证书颁发机构不受信任", "此网站出示的安全证书不是由受信任的证书颁发机构颁发的。"}},
    {&CertificateProblems::insecure, {"证书不安全", "此网站出示的安全证书使用了不安全的算法。"}},
    {&CertificateProblems::other, {"证书无效", "此网站出示的安全证书无效。"}},
};

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

std::vector<CertificateProblemText> DescribeProblems(const CertificateProblems& problems) {
  std::vector<CertificateProblemText> texts;
  for (const Problem& problem : kProblems) {
    if (problems.*problem.present) texts.push_back(problem.text);
  }
  return texts;
}

}  // namespace lumetta
