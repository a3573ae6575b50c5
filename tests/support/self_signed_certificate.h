#pragma once

#include <gio/gio.h>

#include <string>

namespace lumetta::test {

// A new self-signed certificate with its key for `host` (an IP address), made with openssl;
// null when it cannot be made. The caller unrefs it.
GTlsCertificate* MakeSelfSignedCertificate(const std::string& host);

}  // namespace lumetta::test
