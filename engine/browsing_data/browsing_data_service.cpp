#include "engine/browsing_data/browsing_data_service.h"

#include <gtk/gtk.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <string>

#include "app/do_events.h"
#include "engine/browsing_data/website_data.h"
#include "engine/web_context.h"
#include "platform/browsing_data.h"
#include "platform/url_history.h"

namespace lumetta {
namespace {

constexpr char kIntrospection[] =
    "<node><interface name='net.lumetta.BrowsingData'>"
    "<method name='Delete'><arg type='u' name='kinds' direction='in'/>"
    "<arg type='b' name='deleted' direction='out'/></method>"
    "</interface></node>";

unsigned EngineKinds(uint32_t kinds) {
  unsigned engine = 0;
  if (kinds & kEngineCache) engine |= kAllCacheData;
  if (kinds & kCookiesAndSiteData) engine |= kSiteData;
  return engine;
}

}  // namespace

void DeleteBrowsingData(UrlHistory& history, WebKitWebContext* context, uint32_t kinds,
                        std::function<void(bool)> done) {
  const bool history_gone = (kinds & kVisitedAddresses) == 0 || history.Clear();
  ClearWebsiteData(
      context, EngineKinds(kinds),
      [history_gone, done = std::move(done)](bool cleared) { done(history_gone && cleared); });
}

BrowsingDataService::BrowsingDataService(UrlHistory& history, WebKitWebContext* context)
    : history_(history), context_(context) {
  const std::string name = kBrowserBusNamePrefix + std::to_string(getpid());
  owner_id_ = g_bus_own_name(G_BUS_TYPE_SESSION, name.c_str(), G_BUS_NAME_OWNER_FLAGS_NONE,
                             &OnBusAcquired, &OnNameAcquired, &OnNameLost, this, nullptr);
}

BrowsingDataService::~BrowsingDataService() {
  if (registration_id_ != 0) g_dbus_connection_unregister_object(connection_, registration_id_);
  if (connection_ != nullptr) g_object_unref(connection_);
  g_bus_unown_name(owner_id_);
}

void BrowsingDataService::OnBusAcquired(GDBusConnection* connection, const gchar*, gpointer data) {
  auto* self = static_cast<BrowsingDataService*>(data);
  static GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kIntrospection, nullptr);
  static const GDBusInterfaceVTable vtable = {&OnMethodCall, nullptr, nullptr, {}};
  self->connection_ = G_DBUS_CONNECTION(g_object_ref(connection));
  self->registration_id_ = g_dbus_connection_register_object(
      connection, kBrowsingDataPath, node->interfaces[0], &vtable, self, nullptr, nullptr);
}

void BrowsingDataService::OnNameAcquired(GDBusConnection*, const gchar*, gpointer data) {
  static_cast<BrowsingDataService*>(data)->reachable_ = true;
}

void BrowsingDataService::OnNameLost(GDBusConnection*, const gchar*, gpointer data) {
  static_cast<BrowsingDataService*>(data)->reachable_ = false;
}

void BrowsingDataService::OnMethodCall(GDBusConnection*, const gchar*, const gchar*, const gchar*,
                                       const gchar* method, GVariant* parameters,
                                       GDBusMethodInvocation* invocation, gpointer data) {
  if (g_strcmp0(method, kDeleteMethod) != 0) {
    g_dbus_method_invocation_return_dbus_error(invocation,
                                               "org.freedesktop.DBus.Error.UnknownMethod", method);
    return;
  }
  guint32 kinds = 0;
  g_variant_get(parameters, "(u)", &kinds);
  // The answer goes out when the engine is done, even if this service is gone by then.
  auto* self = static_cast<BrowsingDataService*>(data);
  DeleteBrowsingData(self->history_, self->context_, kinds, [invocation](bool deleted) {
    g_dbus_method_invocation_return_value(invocation, g_variant_new("(b)", deleted));
  });
}

int RunDeleteBrowsingData(const char* kinds) {
  char* end = nullptr;
  const guint64 parsed = g_ascii_strtoull(kinds, &end, 10);
  if (end == kinds || *end != '\0' || parsed > G_MAXUINT32) return 2;
  // The engine sets itself up on GTK, which needs a display.
  if (!gtk_init_check(nullptr, nullptr)) return 1;
  auto history = FileUrlHistory::ForThisUser();
  auto deleted = std::make_shared<std::optional<bool>>();
  DeleteBrowsingData(*history, ProcessWebContext(), static_cast<uint32_t>(parsed),
                     [deleted](bool done) { *deleted = done; });
  // An engine that does not answer in this time is not going to.
  constexpr unsigned kTimeoutMs = 60000;
  RunUntil([&] { return deleted->has_value(); }, kTimeoutMs);
  return deleted->value_or(false) ? 0 : 1;
}

}  // namespace lumetta
