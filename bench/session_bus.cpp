#include "session_bus.h"

#include <glib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

namespace lumetta::bench {
namespace {

constexpr char kAddressVariable[] = "DBUS_SESSION_BUS_ADDRESS=";

std::vector<std::string> WithAddress(std::vector<std::string> env, const std::string& address) {
  std::erase_if(env, [](const std::string& entry) { return entry.starts_with(kAddressVariable); });
  env.push_back(kAddressVariable + address);
  return env;
}

}  // namespace

SessionBus::SessionBus() {
  gchar* argv[] = {const_cast<gchar*>("dbus-daemon"), const_cast<gchar*>("--session"),
                   const_cast<gchar*>("--nofork"), const_cast<gchar*>("--print-address=1"),
                   nullptr};
  gint output = -1;
  GError* error = nullptr;
  if (!g_spawn_async_with_pipes(
          nullptr, argv, nullptr,
          static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD |
                                   G_SPAWN_STDERR_TO_DEV_NULL),
          nullptr, nullptr, &pid_, nullptr, &output, nullptr, &error)) {
    error_ = std::string("cannot start dbus-daemon: ") + error->message;
    g_error_free(error);
    pid_ = -1;
    return;
  }
  // The daemon prints its address once it listens.
  char buffer[512];
  ssize_t length = 0;
  while (length < static_cast<ssize_t>(sizeof buffer) - 1) {
    const ssize_t got = read(output, buffer + length, sizeof buffer - 1 - length);
    if (got <= 0) break;
    length += got;
    if (buffer[length - 1] == '\n') break;
  }
  close(output);
  address_.assign(buffer, static_cast<size_t>(std::max<ssize_t>(length, 0)));
  while (!address_.empty() && (address_.back() == '\n' || address_.back() == '\r')) {
    address_.pop_back();
  }
  if (address_.empty()) error_ = "dbus-daemon printed no address";
}

SessionBus::~SessionBus() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
}

std::vector<std::string> SessionBus::Environment(std::vector<std::string> env) const {
  return WithAddress(std::move(env), address_);
}

std::vector<std::string> SessionBus::WithoutBus(std::vector<std::string> env) {
  return WithAddress(std::move(env), "unix:path=/nonexistent/lumetta-bench-no-bus");
}

}  // namespace lumetta::bench
