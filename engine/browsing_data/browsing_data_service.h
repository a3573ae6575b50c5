#pragma once

#include <gio/gio.h>

#include <cstdint>
#include <functional>

// The browser's main() includes this without WebKit's headers.
typedef struct _WebKitWebContext WebKitWebContext;

namespace lumetta {

class UrlHistory;

// Deletes the `kinds` of browsing data (kVisitedAddresses...) kept in `history` and in the data
// of `context`, then calls `done` from the main loop with whether all of it went.
void DeleteBrowsingData(UrlHistory& history, WebKitWebContext* context, uint32_t kinds,
                        std::function<void(bool)> done);

// Answers the Internet Options panel on the session bus while it lives. Without a session bus
// it answers nothing.
class BrowsingDataService {
 public:
  BrowsingDataService(UrlHistory& history, WebKitWebContext* context);
  ~BrowsingDataService();
  BrowsingDataService(const BrowsingDataService&) = delete;
  BrowsingDataService& operator=(const BrowsingDataService&) = delete;

  // Whether the panel can reach it: its name on the bus is its own.
  bool Reachable() const { return reachable_; }

 private:
  static void OnBusAcquired(GDBusConnection* connection, const gchar* name, gpointer self);
  static void OnNameAcquired(GDBusConnection*, const gchar*, gpointer self);
  static void OnNameLost(GDBusConnection*, const gchar*, gpointer self);
  static void OnMethodCall(GDBusConnection*, const gchar* sender, const gchar* path,
                           const gchar* interface, const gchar* method, GVariant* parameters,
                           GDBusMethodInvocation* invocation, gpointer self);

  UrlHistory& history_;
  WebKitWebContext* context_;
  guint owner_id_ = 0;
  GDBusConnection* connection_ = nullptr;
  guint registration_id_ = 0;
  bool reachable_ = false;
};

// The browser started with kDeleteBrowsingDataOption: deletes in the user's profile and gives
// the exit status, 0 when all of it went.
int RunDeleteBrowsingData(const char* kinds);

}  // namespace lumetta
