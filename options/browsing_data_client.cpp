#include "options/browsing_data_client.h"

#include <glib.h>

#include <memory>

#include "platform/browsing_data.h"

namespace lumetta {
namespace {

using Done = std::function<void(bool)>;

void Ended(GPid child, gint status, gpointer data) {
  const std::unique_ptr<Done> done(static_cast<Done*>(data));
  g_spawn_close_pid(child);
  (*done)(g_spawn_check_wait_status(status, nullptr));
}

gboolean NotStarted(gpointer data) {
  const std::unique_ptr<Done> done(static_cast<Done*>(data));
  (*done)(false);
  return G_SOURCE_REMOVE;
}

}  // namespace

void DeleteBrowsingData(uint32_t kinds, const std::string& browser_program,
                        std::function<void(bool deleted)> done) {
  const std::string option = kDeleteBrowsingDataOption + std::to_string(kinds);
  gchar* argv[] = {const_cast<gchar*>(browser_program.c_str()), const_cast<gchar*>(option.c_str()),
                   nullptr};
  GPid pid = 0;
  auto* waiting = new Done(std::move(done));
  const bool started = g_spawn_async(
      nullptr, argv, nullptr,
      static_cast<GSpawnFlags>(G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDIN_FROM_DEV_NULL), nullptr,
      nullptr, &pid, nullptr);
  if (started) {
    g_child_watch_add(pid, &Ended, waiting);
  } else {
    g_idle_add(&NotStarted, waiting);
  }
}

}  // namespace lumetta
