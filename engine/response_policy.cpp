#include "engine/response_policy.h"

namespace lumetta {

ResponseAction ActionForResponse(bool type_supported, unsigned status) {
  if (type_supported) return ResponseAction::kShow;
  return status >= 400 ? ResponseAction::kRefuse : ResponseAction::kDownload;
}

bool SettleResponse(WebKitResponsePolicyDecision* decision, std::optional<std::string>& refused) {
  const unsigned status =
      webkit_uri_response_get_status_code(webkit_response_policy_decision_get_response(decision));
  switch (
      ActionForResponse(webkit_response_policy_decision_is_mime_type_supported(decision), status)) {
    case ResponseAction::kShow:
      return false;
    case ResponseAction::kDownload:
      // The engine itself already downloads attachments and download links.
      webkit_policy_decision_download(WEBKIT_POLICY_DECISION(decision));
      return true;
    case ResponseAction::kRefuse:
      if (webkit_response_policy_decision_is_main_frame_main_resource(decision)) {
        const char* phrase = soup_status_get_phrase(status);
        refused = HttpErrorMessage(status, phrase != nullptr ? phrase : "");
      }
      webkit_policy_decision_ignore(WEBKIT_POLICY_DECISION(decision));
      return true;
  }
  return false;
}

std::string HttpErrorMessage(unsigned status, const std::string& reason) {
  std::string message = "HTTP " + std::to_string(status);
  if (!reason.empty()) message += " " + reason;
  return message;
}

}  // namespace lumetta
