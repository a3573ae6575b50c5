#include "loopback_server.h"

#include <algorithm>
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

void LoopbackServer::AddDownload(const std::string& path, uint64_t size,
                                 const std::string& file_name) {
  routes_[path].download_size = size;
  routes_[path].file_name = file_name;
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
  if (route->second.download_size > 0) {
    Stream(message, route->second);
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

namespace lumetta::bench {

namespace {

constexpr size_t kPieceBytes = 256 * 1024;

// The bytes every generated download repeats.
const char* Piece() {
  static const std::string piece = [] {
    std::string bytes(kPieceBytes, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 + (i >> 9));
    return bytes;
  }();
  return piece.data();
}

struct Sending {
  uint64_t left;
};

void AppendPiece(SoupServerMessage* message, Sending* sending) {
  SoupMessageBody* body = soup_server_message_get_response_body(message);
  if (sending->left == 0) {
    soup_message_body_complete(body);
    return;
  }
  const size_t size = static_cast<size_t>(std::min<uint64_t>(kPieceBytes, sending->left));
  sending->left -= size;
  soup_message_body_append(body, SOUP_MEMORY_STATIC, Piece(), size);
}

}  // namespace

void LoopbackServer::Stream(SoupServerMessage* message, const Route& route) {
  SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
  soup_message_headers_set_content_length(headers, static_cast<goffset>(route.download_size));
  soup_message_headers_replace(headers, "Content-Type", "application/octet-stream");
  soup_message_headers_replace(headers, "Content-Disposition",
                               ("attachment; filename=\"" + route.file_name + "\"").c_str());
  soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
  soup_message_body_set_accumulate(soup_server_message_get_response_body(message), FALSE);
  auto* sending = new Sending{route.download_size};
  // Each piece written makes room for the next, so memory stays at one piece.
  g_signal_connect(message, "wrote-chunk", G_CALLBACK(+[](SoupServerMessage* m, gpointer data) {
                     AppendPiece(m, static_cast<Sending*>(data));
                   }),
                   sending);
  g_signal_connect(message, "finished", G_CALLBACK(+[](SoupServerMessage*, gpointer data) {
                     delete static_cast<Sending*>(data);
                   }),
                   sending);
  AppendPiece(message, sending);
}

}  // namespace lumetta::bench
