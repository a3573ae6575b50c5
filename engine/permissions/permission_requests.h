#pragma once

#include <sigc++/sigc++.h>
#include <webkit2/webkit2.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "engine/permissions/permission_question.h"

namespace lumetta {

// The user's answers, by site and kind, until the browser ends; nothing is written to disk.
using PermissionAnswers = std::map<std::pair<std::string, PermissionKind>, bool>;

// A view's requests for the user's location, for notifications, camera, microphone and screen:
// each is put to the user as a question, one at a time, whether or not the control is silent,
// and the answer holds for that site and kind. Other kinds of request keep the engine's default.
// A granted notification shows as a desktop notification titled with the site.
class PermissionRequests {
 public:
  PermissionRequests(WebKitWebView* view, PermissionAnswers& answers);
  // Refuses what is still waiting.
  ~PermissionRequests();
  PermissionRequests(const PermissionRequests&) = delete;
  PermissionRequests& operator=(const PermissionRequests&) = delete;

 private:
  struct Waiting {
    WebKitPermissionRequest* request;
    PermissionKind kind;
    std::string host;
  };

  bool Add(WebKitPermissionRequest* request);
  void AskNext();
  static gboolean OnRequest(WebKitWebView*, WebKitPermissionRequest* request, gpointer self);
  static gboolean OnNotification(WebKitWebView*, WebKitNotification* notification, gpointer self);

  WebKitWebView* view_;
  PermissionAnswers& answers_;
  std::deque<Waiting> waiting_;
  sigc::connection ask_;
  bool asking_ = false;
  // Expires with this object: the question's nested main loop checks it once answered.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace lumetta
