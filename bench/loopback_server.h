#pragma once

#include <libsoup/soup.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace lumetta::bench {

// An HTTP server on 127.0.0.1, on a port the system chooses, answering from the default GLib
// main context: the pages a benchmark opens and the beacons its pages call back.
class LoopbackServer {
 public:
  LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;
  ~LoopbackServer();

  // Empty once the server listens; otherwise why it does not.
  const std::string& error() const { return error_; }

  // Serves `html` (UTF-8) at `path`, never to be cached.
  void AddPage(const std::string& path, std::string html);
  // Serves `body` at `path` for caches to keep for a year.
  void AddCached(const std::string& path, std::string content_type, std::string body);
  // Calls `on_hit` on each request for `path`, which is answered 204 No Content.
  void AddBeacon(const std::string& path, std::function<void()> on_hit);

  // The absolute URL of `path` on this server.
  std::string Url(std::string_view path) const;

 private:
  struct Route {
    std::string html;
    std::function<void()> on_hit;
    // Set for what caches may keep.
    std::string cached_type;
  };

  static void Answer(SoupServer* server, SoupServerMessage* message, const char* path,
                     GHashTable* query, gpointer self);

  SoupServer* server_ = nullptr;
  std::string origin_;
  std::string error_;
  std::map<std::string, Route, std::less<>> routes_;
};

}  // namespace lumetta::bench
