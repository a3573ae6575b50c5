#pragma once

#include <webkit2/webkit2.h>

#include <optional>
#include <string>

namespace lumetta {

// What the control does with a response, once its headers are in.
enum class ResponseAction {
  kShow,      // the engine shows it
  kDownload,  // what the engine cannot show is the user's to open or save
  kRefuse,    // shown as the control's error page for its status (a main document), or dropped
};

// An error answer (status 400 and above) the engine cannot show is the server's failure, never a
// file to save: a proxy refusing a tunnel or a server answering 502 with no body.
ResponseAction ActionForResponse(bool type_supported, unsigned status);

// Settles a response decision as ActionForResponse says: false leaves it to the engine to show.
// A refused main document puts in `refused` the message of the control's page that stands for
// it; the load then fails.
bool SettleResponse(WebKitResponsePolicyDecision* decision, std::optional<std::string>& refused);

// The message of the control's page for an error answer: "HTTP 502 Bad Gateway".
std::string HttpErrorMessage(unsigned status, const std::string& reason);

}  // namespace lumetta
