#include "engine/load_failures.h"

#include <webkit2/webkit2.h>

namespace lumetta {

namespace {

// Failures that mean the server could not be found or reached.
bool IsUnreachable(const GError* error) {
  if (error->domain == G_RESOLVER_ERROR) return true;
  if (error->domain != G_IO_ERROR) return false;
  switch (error->code) {
    case G_IO_ERROR_CONNECTION_REFUSED:
    case G_IO_ERROR_HOST_UNREACHABLE:
    case G_IO_ERROR_NETWORK_UNREACHABLE:
    case G_IO_ERROR_HOST_NOT_FOUND:
    case G_IO_ERROR_TIMED_OUT:
    case G_IO_ERROR_PROXY_FAILED:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool IsQuietFailure(const GError* error) {
  if (error->domain == WEBKIT_NETWORK_ERROR) return error->code == WEBKIT_NETWORK_ERROR_CANCELLED;
  if (error->domain == WEBKIT_POLICY_ERROR) {
    return error->code == WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE ||
           error->code == WEBKIT_POLICY_ERROR_CANNOT_SHOW_URI ||
           error->code == WEBKIT_POLICY_ERROR_CANNOT_SHOW_MIME_TYPE;
  }
  return false;
}

ErrorPageKind ErrorPageKindFor(const GError* error, bool offline) {
  if (offline) return ErrorPageKind::kOffline;
  return IsUnreachable(error) ? ErrorPageKind::kServerNotFound : ErrorPageKind::kOther;
}

bool IsNetworkAddress(const char* uri) {
  return uri != nullptr && (g_str_has_prefix(uri, "http:") || g_str_has_prefix(uri, "https:") ||
                            g_str_has_prefix(uri, "ws:") || g_str_has_prefix(uri, "wss:"));
}

}  // namespace lumetta
