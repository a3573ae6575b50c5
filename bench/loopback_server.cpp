#include "loopback_server.h"

#include <utility>

namespace lumetta::bench {

LoopbackServer::LoopbackServer() {
  server_ = soup_server_new(nullptr, nullptr);
  // One handler for every path, so that anything not added (a favicon) gets 404, not a page.
  soup_server_add_handler(server_, nullptr, &LoopbackServer::Answer, this, nullptr);
  GError* error = nullptr;
  if (!soup_server_listen_local(server_, 0, SOUP_SERVER_LISTEN_IPV4_ONLY, &error)) {
    error_ = std::string("cannot listen on 127.0.0.1: ") + error->message;
    g_error_free(error);
    return;
  }
  GSList* uris = soup_server_get_uris(server_);
  origin_ = "http://127.0.0.1:" + std::to_string(g_uri_get_port(static_cast<GUri*>(uris->data)));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
}

LoopbackServer::~LoopbackServer() {
  soup_server_disconnect(server_);
  g_object_unref(server_);
}

void LoopbackServer::AddPage(const std::string& path, std::string html) {
  routes_[path].html = std::move(html);
}

void LoopbackServer::AddCached(const std::string& path, std::string content_type,
                               std::string body) {
  routes_[path].html = std::move(body);
  routes_[path].cached_type = std::move(content_type);
}

void LoopbackServer::AddBeacon(const std::string& path, std::function<void()> on_hit) {
  routes_[path].on_hit = std::move(on_hit);
}

std::string LoopbackServer::Url(std::string_view path) const { return origin_ + std::string(path); }

void LoopbackServer::Answer(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*,
                            gpointer self) {
  const auto& routes = static_cast<LoopbackServer*>(self)->routes_;
  const auto route = routes.find(std::string_view(path));
  if (route == routes.end()) {
    soup_server_message_set_status(message, SOUP_STATUS_NOT_FOUND, nullptr);
    return;
  }
  if (route->second.on_hit) {
    soup_server_message_set_status(message, SOUP_STATUS_NO_CONTENT, nullptr);
    route->second.on_hit();
    return;
  }
  const bool cached = !route->second.cached_type.empty();
  soup_message_headers_append(soup_server_message_get_response_headers(message), "Cache-Control",
                              cached ? "max-age=31536000" : "no-store");
  soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
  soup_server_message_set_response(
      message, cached ? route->second.cached_type.c_str() : "text/html; charset=utf-8",
      SOUP_MEMORY_COPY, route->second.html.data(), route->second.html.size());
}

}  // namespace lumetta::bench
