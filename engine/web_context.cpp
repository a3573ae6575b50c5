#include "engine/web_context.h"

#include <string>

namespace lumetta {

namespace {

WebKitWebContext* MakeWebContext() {
  const std::string data = std::string(g_get_user_data_dir()) + "/lumetta";
  const std::string cache = std::string(g_get_user_cache_dir()) + "/lumetta";
  WebKitWebsiteDataManager* manager = webkit_website_data_manager_new(
      "base-data-directory", data.c_str(), "base-cache-directory", cache.c_str(), nullptr);
  // The manager sets its store up when its cookie manager is first asked for; clearing data
  // before that crashes the engine, as when the browser is started only to delete data.
  webkit_website_data_manager_get_cookie_manager(manager);
  auto* context = WEBKIT_WEB_CONTEXT(
      g_object_new(WEBKIT_TYPE_WEB_CONTEXT, "website-data-manager", manager,
                   "process-swap-on-cross-site-navigation-enabled", TRUE, nullptr));
  g_object_unref(manager);
  // The web processes see the system's libraries, fonts and the display, and of the user's
  // files only the cache folder and the data folder's media keys, which WebKit lends them: local
  // pages are read for them by the network process. Nothing of this program needs more.
  webkit_web_context_set_sandbox_enabled(context, TRUE);
  return context;
}

}  // namespace

WebKitWebContext* ProcessWebContext() {
  static WebKitWebContext* const context = MakeWebContext();
  return context;
}

}  // namespace lumetta
