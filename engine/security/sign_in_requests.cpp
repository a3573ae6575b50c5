#include "engine/security/sign_in_requests.h"

#include <glibmm/main.h>

#include <algorithm>

#include "engine/dialog_parent.h"
#include "engine/security/sign_in_dialog.h"

namespace lumetta {

namespace {

std::string Text(const char* text) { return text != nullptr ? text : ""; }

bool SameQuestion(WebKitAuthenticationRequest* a, WebKitAuthenticationRequest* b) {
  return Text(webkit_authentication_request_get_host(a)) ==
             Text(webkit_authentication_request_get_host(b)) &&
         webkit_authentication_request_get_port(a) == webkit_authentication_request_get_port(b) &&
         Text(webkit_authentication_request_get_realm(a)) ==
             Text(webkit_authentication_request_get_realm(b)) &&
         webkit_authentication_request_get_scheme(a) == webkit_authentication_request_get_scheme(b);
}

}  // namespace

SignInRequests::SignInRequests(WebKitWebView* view) : view_(view) {
  g_signal_connect(view_, "authenticate", G_CALLBACK(&SignInRequests::OnAuthenticate), this);
}

SignInRequests::~SignInRequests() {
  g_signal_handlers_disconnect_by_data(view_, this);
  answer_.disconnect();
  dialog_.reset();
  while (!waiting_.empty()) Settle(waiting_.front(), nullptr);
}

gboolean SignInRequests::OnAuthenticate(WebKitWebView*, WebKitAuthenticationRequest* request,
                                        gpointer data) {
  static_cast<SignInRequests*>(data)->Add(request);
  return TRUE;
}

void SignInRequests::Add(WebKitAuthenticationRequest* request) {
  g_object_ref(request);
  g_signal_connect(request, "cancelled", G_CALLBACK(&SignInRequests::OnCancelled), this);
  waiting_.push_back(request);
  if (!dialog_) AskNext();
}

void SignInRequests::AskNext() {
  answer_.disconnect();
  dialog_.reset();
  if (waiting_.empty()) return;
  WebKitAuthenticationRequest* request = waiting_.front();
  dialog_ = std::make_unique<SignInDialog>(WindowOf(view_),
                                           Text(webkit_authentication_request_get_host(request)),
                                           Text(webkit_authentication_request_get_realm(request)),
                                           webkit_authentication_request_is_retry(request));
  dialog_->signal_response().connect([this](int response) {
    // The dialog cannot be destroyed inside its own response signal.
    answer_.disconnect();
    answer_ = Glib::signal_idle().connect([this, response] {
      Answer(response);
      return false;
    });
    dialog_->hide();
  });
  dialog_->present();
}

void SignInRequests::Answer(int response) {
  if (!dialog_ || waiting_.empty()) return;
  WebKitAuthenticationRequest* asked = waiting_.front();
  g_object_ref(asked);
  WebKitCredential* credential = nullptr;
  if (response == Gtk::RESPONSE_OK) {
    credential = webkit_credential_new(dialog_->UserName().c_str(), dialog_->Password().c_str(),
                                       WEBKIT_CREDENTIAL_PERSISTENCE_NONE);
  }
  const auto same = [asked](WebKitAuthenticationRequest* r) { return SameQuestion(r, asked); };
  for (auto it = std::find_if(waiting_.begin(), waiting_.end(), same); it != waiting_.end();
       it = std::find_if(waiting_.begin(), waiting_.end(), same)) {
    Settle(*it, credential);
  }
  if (credential != nullptr) webkit_credential_free(credential);
  g_object_unref(asked);
  AskNext();
}

void SignInRequests::Settle(WebKitAuthenticationRequest* request, WebKitCredential* credential) {
  waiting_.erase(std::find(waiting_.begin(), waiting_.end(), request));
  g_signal_handlers_disconnect_by_data(request, this);
  // Without credentials the server's own page for the refusal shows.
  webkit_authentication_request_authenticate(request, credential);
  g_object_unref(request);
}

void SignInRequests::OnCancelled(WebKitAuthenticationRequest* request, gpointer data) {
  auto* self = static_cast<SignInRequests*>(data);
  const bool asked = !self->waiting_.empty() && self->waiting_.front() == request;
  self->waiting_.erase(std::find(self->waiting_.begin(), self->waiting_.end(), request));
  g_signal_handlers_disconnect_by_data(request, self);
  g_object_unref(request);
  if (asked) self->AskNext();
}

}  // namespace lumetta
