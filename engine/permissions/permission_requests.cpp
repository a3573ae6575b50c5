#include "engine/permissions/permission_requests.h"

#include <gio/gio.h>
#include <glibmm/main.h>

#include <optional>

#include "platform/message_box.h"
#include "platform/platform.h"

namespace lumetta {

namespace {

std::optional<PermissionKind> KindOf(WebKitPermissionRequest* request) {
  if (WEBKIT_IS_GEOLOCATION_PERMISSION_REQUEST(request)) return PermissionKind::kLocation;
  if (WEBKIT_IS_NOTIFICATION_PERMISSION_REQUEST(request)) return PermissionKind::kNotifications;
  if (WEBKIT_IS_USER_MEDIA_PERMISSION_REQUEST(request)) {
    auto* media = WEBKIT_USER_MEDIA_PERMISSION_REQUEST(request);
    return MediaPermissionKind(webkit_user_media_permission_is_for_display_device(media),
                               webkit_user_media_permission_is_for_video_device(media),
                               webkit_user_media_permission_is_for_audio_device(media));
  }
  return std::nullopt;
}

// The site a page belongs to: its host, or its whole address when it has none (a local file).
std::string SiteOf(WebKitWebView* view) {
  const char* uri = webkit_web_view_get_uri(view);
  if (uri == nullptr) return "";
  GUri* parsed = g_uri_parse(uri, G_URI_FLAGS_NONE, nullptr);
  const char* host = parsed != nullptr ? g_uri_get_host(parsed) : nullptr;
  std::string site = host != nullptr && *host != '\0' ? host : uri;
  if (parsed != nullptr) g_uri_unref(parsed);
  return site;
}

void Settle(WebKitPermissionRequest* request, bool allowed) {
  if (allowed) {
    webkit_permission_request_allow(request);
  } else {
    webkit_permission_request_deny(request);
  }
  g_object_unref(request);
}

// Whether the page's window is still open: a closed one is hidden before it goes.
bool InOpenWindow(WebKitWebView* view) {
  GtkWidget* toplevel = gtk_widget_get_toplevel(GTK_WIDGET(view));
  return gtk_widget_is_toplevel(toplevel) && gtk_widget_get_visible(toplevel);
}

}  // namespace

PermissionRequests::PermissionRequests(WebKitWebView* view, PermissionAnswers& answers)
    : view_(view), answers_(answers) {
  g_signal_connect(view_, "permission-request", G_CALLBACK(&PermissionRequests::OnRequest), this);
  g_signal_connect(view_, "show-notification", G_CALLBACK(&PermissionRequests::OnNotification),
                   this);
}

PermissionRequests::~PermissionRequests() {
  g_signal_handlers_disconnect_by_data(view_, this);
  ask_.disconnect();
  for (const Waiting& waiting : waiting_) Settle(waiting.request, false);
}

gboolean PermissionRequests::OnRequest(WebKitWebView*, WebKitPermissionRequest* request,
                                       gpointer data) {
  return static_cast<PermissionRequests*>(data)->Add(request);
}

bool PermissionRequests::Add(WebKitPermissionRequest* request) {
  const std::optional<PermissionKind> kind = KindOf(request);
  if (!kind) return false;
  std::string host = SiteOf(view_);
  const auto answer = answers_.find({host, *kind});
  if (answer != answers_.end()) {
    Settle(WEBKIT_PERMISSION_REQUEST(g_object_ref(request)), answer->second);
    return true;
  }
  waiting_.push_back({WEBKIT_PERMISSION_REQUEST(g_object_ref(request)), *kind, std::move(host)});
  // Asked from the main loop, not inside the engine's signal.
  if (!asking_ && !ask_.connected()) {
    ask_ = Glib::signal_idle().connect([this] {
      AskNext();
      return false;
    });
  }
  return true;
}

// A question runs a nested main loop, in which the page's window may close and this object go.
void PermissionRequests::AskNext() {
  while (!waiting_.empty()) {
    Waiting waiting = waiting_.front();
    waiting_.pop_front();
    // A second request of the same site and kind, answered meanwhile.
    const auto answer = answers_.find({waiting.host, waiting.kind});
    if (answer != answers_.end()) {
      Settle(waiting.request, answer->second);
      continue;
    }
    MessageBox* box = ThePlatform().message_box;
    if (box == nullptr) {
      Settle(waiting.request, false);
      continue;
    }
    const std::weak_ptr<bool> alive = alive_;
    asking_ = true;
    const int reply = box->Show(PermissionQuestion(waiting.kind, waiting.host),
                                kMbYesNo | kMbIconQuestion, kDefaultMessageBoxTitle);
    if (alive.expired()) {
      Settle(waiting.request, false);
      return;
    }
    asking_ = false;
    if (!InOpenWindow(view_)) {
      Settle(waiting.request, false);
      continue;
    }
    const bool allowed = reply == kIdYes;
    answers_[{waiting.host, waiting.kind}] = allowed;
    Settle(waiting.request, allowed);
  }
}

gboolean PermissionRequests::OnNotification(WebKitWebView*, WebKitNotification* notification,
                                            gpointer data) {
  GApplication* application = g_application_get_default();
  if (application == nullptr) return FALSE;
  const std::string site = SiteOf(static_cast<PermissionRequests*>(data)->view_);
  GNotification* shown = g_notification_new(site.c_str());
  const char* title = webkit_notification_get_title(notification);
  const char* body = webkit_notification_get_body(notification);
  std::string text = title != nullptr ? title : "";
  if (body != nullptr && *body != '\0') text += "\n" + std::string(body);
  g_notification_set_body(shown, text.c_str());
  const std::string id =
      "page-notification-" + std::to_string(webkit_notification_get_id(notification));
  g_application_send_notification(application, id.c_str(), shown);
  g_object_unref(shown);
  return TRUE;
}

}  // namespace lumetta
