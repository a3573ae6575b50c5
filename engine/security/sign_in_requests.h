#pragma once

#include <sigc++/connection.h>
#include <webkit2/webkit2.h>

#include <deque>
#include <memory>

namespace lumetta {

class SignInDialog;

// A view's requests for a user name and password, asked one at a time with SignInDialog. An
// answer goes to every waiting request for the same server and realm, so a page that asks
// many times at once gets one dialog. Passwords are kept nowhere but in the answered request.
// Only the user can give a password, so the control asks whether or not it is silent.
class SignInRequests {
 public:
  explicit SignInRequests(WebKitWebView* view);
  // Closes the dialog; the requests still waiting go on without credentials.
  ~SignInRequests();
  SignInRequests(const SignInRequests&) = delete;
  SignInRequests& operator=(const SignInRequests&) = delete;

 private:
  void Add(WebKitAuthenticationRequest* request);
  static gboolean OnAuthenticate(WebKitWebView*, WebKitAuthenticationRequest* request,
                                 gpointer self);
  void AskNext();
  void Answer(int response);
  // Takes `request` out of the queue and lets it go; `credential` null goes on without.
  void Settle(WebKitAuthenticationRequest* request, WebKitCredential* credential);
  static void OnCancelled(WebKitAuthenticationRequest* request, gpointer self);

  WebKitWebView* view_;
  // The first request is the one the dialog asks about.
  std::deque<WebKitAuthenticationRequest*> waiting_;
  std::unique_ptr<SignInDialog> dialog_;
  // The answer given in the dialog, taken once its response signal is over.
  sigc::connection answer_;
};

}  // namespace lumetta
