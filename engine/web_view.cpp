#include "engine/web_view.h"

namespace lumetta {

namespace {

// Pages that declare no character set are read in the code page of a Chinese desktop.
constexpr char kDefaultCharset[] = "GB18030";

}  // namespace

WebKitWebView* NewWebView(WebKitWebContext* context, WebKitWebView* related,
                          WebKitUserContentManager* content_manager) {
  WebKitWebView* view = nullptr;
  if (related != nullptr) {
    view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", related,
                                        "user-content-manager", content_manager, nullptr));
  } else {
    view = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context,
                                        "user-content-manager", content_manager, nullptr));
  }
  g_object_ref_sink(view);
  WebKitSettings* settings = webkit_web_view_get_settings(view);
  webkit_settings_set_default_charset(settings, kDefaultCharset);
  // Web meetings: the camera and microphone, asked of the user page by page.
  webkit_settings_set_enable_media_stream(settings, TRUE);
  webkit_settings_set_enable_webrtc(settings, TRUE);
  return view;
}

}  // namespace lumetta
