#pragma once

#include <string>

#include "engine/security/certificate_problems.h"

namespace lumetta {

// The page shown in place of a site whose certificate was refused: titled with its worst
// problem, listing them all, and offering "继续浏览此网站(不推荐)" as a link to
// `continue_uri` when there is one. The texts are escaped.
std::string CertificateErrorPageHtml(const std::string& url, const CertificateProblems& problems,
                                     const std::string& continue_uri);

}  // namespace lumetta
