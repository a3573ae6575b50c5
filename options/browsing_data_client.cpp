#include "options/browsing_data_client.h"

#include <gio/gio.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/browsing_data.h"

namespace lumetta {
namespace {

constexpr int kListTimeoutMs = 5000;
// Clearing takes milliseconds; a browser that has not answered by then is not going to.
constexpr int kDeleteTimeoutMs = 60000;

struct Pending {
  size_t left = 0;
  bool deleted = true;
  std::function<void(bool)> done;
};

// The bus names of the browsers that run.
std::vector<std::string> RunningBrowsers(GDBusConnection* bus) {
  std::vector<std::string> browsers;
  GVariant* reply = g_dbus_connection_call_sync(
      bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "ListNames",
      nullptr, G_VARIANT_TYPE("(as)"), G_DBUS_CALL_FLAGS_NONE, kListTimeoutMs, nullptr, nullptr);
  if (reply == nullptr) return browsers;
  GVariantIter* names = nullptr;
  g_variant_get(reply, "(as)", &names);
  const gchar* name = nullptr;
  while (g_variant_iter_loop(names, "&s", &name)) {
    if (std::string_view(name).starts_with(kBrowserBusNamePrefix)) browsers.emplace_back(name);
  }
  g_variant_iter_free(names);
  g_variant_unref(reply);
  return browsers;
}

void Answered(GObject* bus, GAsyncResult* result, gpointer data) {
  std::unique_ptr<std::shared_ptr<Pending>> pending(static_cast<std::shared_ptr<Pending>*>(data));
  GVariant* reply = g_dbus_connection_call_finish(G_DBUS_CONNECTION(bus), result, nullptr);
  gboolean deleted = FALSE;
  if (reply != nullptr) {
    g_variant_get(reply, "(b)", &deleted);
    g_variant_unref(reply);
  }
  Pending& state = **pending;
  state.deleted = state.deleted && deleted;
  if (--state.left == 0) state.done(state.deleted);
}

void AskBrowsers(GDBusConnection* bus, const std::vector<std::string>& browsers, uint32_t kinds,
                 std::function<void(bool)> done) {
  auto pending = std::make_shared<Pending>();
  pending->left = browsers.size();
  pending->done = std::move(done);
  for (const std::string& browser : browsers) {
    g_dbus_connection_call(bus, browser.c_str(), kBrowsingDataPath, kBrowsingDataInterface,
                           kDeleteMethod, g_variant_new("(u)", kinds), G_VARIANT_TYPE("(b)"),
                           G_DBUS_CALL_FLAGS_NONE, kDeleteTimeoutMs, nullptr, &Answered,
                           new std::shared_ptr<Pending>(pending));
  }
}

void RunBrowser(uint32_t kinds, const std::string& program, std::function<void(bool)> done) {
  const std::string option = kDeleteBrowsingDataOption + std::to_string(kinds);
  gchar* argv[] = {const_cast<gchar*>(program.c_str()), const_cast<gchar*>(option.c_str()),
                   nullptr};
  GPid pid = 0;
  auto* waiting = new std::function<void(bool)>(std::move(done));
  const bool started = g_spawn_async(
      nullptr, argv, nullptr,
      static_cast<GSpawnFlags>(G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDIN_FROM_DEV_NULL), nullptr,
      nullptr, &pid, nullptr);
  if (!started) {
    g_idle_add(
        [](gpointer data) -> gboolean {
          std::unique_ptr<std::function<void(bool)>> done(
              static_cast<std::function<void(bool)>*>(data));
          (*done)(false);
          return G_SOURCE_REMOVE;
        },
        waiting);
    return;
  }
  g_child_watch_add(
      pid,
      [](GPid child, gint status, gpointer data) {
        std::unique_ptr<std::function<void(bool)>> done(
            static_cast<std::function<void(bool)>*>(data));
        g_spawn_close_pid(child);
        (*done)(g_spawn_check_wait_status(status, nullptr));
      },
      waiting);
}

}  // namespace

void DeleteBrowsingData(uint32_t kinds, const std::string& browser_program,
                        std::function<void(bool deleted)> done) {
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  const std::vector<std::string> browsers =
      bus != nullptr ? RunningBrowsers(bus) : std::vector<std::string>();
  if (browsers.empty()) {
    RunBrowser(kinds, browser_program, std::move(done));
  } else {
    AskBrowsers(bus, browsers, kinds, std::move(done));
  }
  if (bus != nullptr) g_object_unref(bus);
}

}  // namespace lumetta
