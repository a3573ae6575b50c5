#include "tests/support/local_server.h"

#include <libsoup/soup.h>

#include <algorithm>

namespace lumetta::test {

LocalServer::LocalServer() {
  server_ = soup_server_new(nullptr, nullptr);
  soup_server_add_handler(server_, nullptr, reinterpret_cast<SoupServerCallback>(&Handle), this,
                          nullptr);
  GError* error = nullptr;
  soup_server_listen_local(server_, 0, SOUP_SERVER_LISTEN_IPV4_ONLY, &error);
  if (error != nullptr) {
    g_error_free(error);
    return;
  }
  GSList* uris = soup_server_get_uris(server_);
  if (uris != nullptr) port_ = g_uri_get_port(static_cast<GUri*>(uris->data));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
}

LocalServer::~LocalServer() {
  soup_server_disconnect(server_);
  g_object_unref(server_);
}

std::string LocalServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

int LocalServer::CountRequests(const std::string& path) const {
  return static_cast<int>(std::count(requests_.begin(), requests_.end(), path));
}

std::string LocalServer::LastCookie(const std::string& path) const {
  const auto cookie = last_cookies_.find(path);
  return cookie == last_cookies_.end() ? std::string() : cookie->second;
}

void LocalServer::Handle(SoupServer*, SoupServerMessage* message, const char* path, void*,
                         void* data) {
  auto* self = static_cast<LocalServer*>(data);
  GUri* uri = soup_server_message_get_uri(message);
  std::string request = path;
  if (const char* query = g_uri_get_query(uri)) request += std::string("?") + query;
  self->requests_.push_back(request);
  const char* cookie =
      soup_message_headers_get_one(soup_server_message_get_request_headers(message), "Cookie");
  self->last_cookies_[path] = cookie != nullptr ? cookie : "";
  const auto page = self->pages_.find(path);
  if (page == self->pages_.end()) {
    soup_server_message_set_status(message, 404, nullptr);
    soup_server_message_set_response(message, "text/html", SOUP_MEMORY_STATIC, "<title>404</title>",
                                     18);
    return;
  }
  if (page->second.hang) {
    soup_server_message_pause(message);
    return;
  }
  SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
  for (const auto& [name, value] : page->second.headers) {
    soup_message_headers_replace(headers, name.c_str(), value.c_str());
  }
  soup_server_message_set_status(message, page->second.status, nullptr);
  soup_server_message_set_response(message, page->second.content_type.c_str(), SOUP_MEMORY_COPY,
                                   page->second.body.data(), page->second.body.size());
}

}  // namespace lumetta::test
