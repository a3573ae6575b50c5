#include "tests/support/local_server.h"

#include <libsoup/soup.h>

#include <algorithm>

namespace lumetta::test {

namespace {

bool SignedIn(SoupServerMessage* message, const LocalServer::Page& page) {
  const char* given = soup_message_headers_get_one(soup_server_message_get_request_headers(message),
                                                   "Authorization");
  const std::string pair = page.user + ":" + page.password;
  gchar* encoded = g_base64_encode(reinterpret_cast<const guchar*>(pair.data()), pair.size());
  const bool match = given != nullptr && std::string(given) == std::string("Basic ") + encoded;
  g_free(encoded);
  return match;
}

}  // namespace

LocalServer::LocalServer(GTlsCertificate* certificate) : https_(certificate != nullptr) {
  server_ = soup_server_new(nullptr, nullptr);
  if (certificate != nullptr) soup_server_set_tls_certificate(server_, certificate);
  soup_server_add_handler(server_, nullptr, reinterpret_cast<SoupServerCallback>(&Handle), this,
                          nullptr);
  GError* error = nullptr;
  const auto options = static_cast<SoupServerListenOptions>(
      SOUP_SERVER_LISTEN_IPV4_ONLY | (https_ ? SOUP_SERVER_LISTEN_HTTPS : 0));
  soup_server_listen_local(server_, 0, options, &error);
  if (error != nullptr) {
    g_error_free(error);
    return;
  }
  GSList* uris = soup_server_get_uris(server_);
  if (uris != nullptr) port_ = g_uri_get_port(static_cast<GUri*>(uris->data));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
}

bool LocalServer::AlsoListenOn(const std::string& address) {
  GSocketAddress* where = g_inet_socket_address_new_from_string(address.c_str(), port_);
  if (where == nullptr) return false;
  const auto options = static_cast<SoupServerListenOptions>(https_ ? SOUP_SERVER_LISTEN_HTTPS : 0);
  const bool listening = soup_server_listen(server_, where, options, nullptr);
  g_object_unref(where);
  return listening;
}

// A body sent piece by piece from a timer.
struct LocalServer::Stream {
  ~Stream() {
    if (timer != 0) g_source_remove(timer);
    g_object_unref(message);
  }
  SoupServerMessage* message;
  Page page;
  int sent = 0;
  guint timer = 0;
};

LocalServer::~LocalServer() {
  streams_.clear();
  soup_server_disconnect(server_);
  g_object_unref(server_);
}

std::string LocalServer::Url(const std::string& path, const std::string& host) const {
  return (https_ ? "https://" : "http://") + host + ":" + std::to_string(port_) + path;
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
  if (!page->second.realm.empty() && !SignedIn(message, page->second)) {
    ++self->refusals_;
    soup_message_headers_replace(headers, "WWW-Authenticate",
                                 ("Basic realm=\"" + page->second.realm + "\"").c_str());
    soup_server_message_set_status(message, 401, nullptr);
    soup_server_message_set_response(message, "text/html; charset=utf-8", SOUP_MEMORY_COPY,
                                     page->second.refusal.data(), page->second.refusal.size());
    return;
  }
  for (const auto& [name, value] : page->second.headers) {
    soup_message_headers_replace(headers, name.c_str(), value.c_str());
  }
  if (page->second.pieces > 0) {
    self->StartStream(message, page->second);
    return;
  }
  soup_server_message_set_status(message, page->second.status, nullptr);
  soup_server_message_set_response(message, page->second.content_type.c_str(), SOUP_MEMORY_COPY,
                                   page->second.body.data(), page->second.body.size());
}

}  // namespace lumetta::test

namespace lumetta::test {

void LocalServer::StartStream(SoupServerMessage* message, const Page& page) {
  SoupMessageHeaders* headers = soup_server_message_get_response_headers(message);
  soup_message_headers_set_content_length(headers, static_cast<goffset>(page.body.size()));
  soup_message_headers_replace(headers, "Content-Type", page.content_type.c_str());
  soup_server_message_set_status(message, page.status, nullptr);
  soup_message_body_set_accumulate(soup_server_message_get_response_body(message), FALSE);
  soup_server_message_pause(message);
  auto stream = std::make_unique<Stream>();
  stream->message = SOUP_SERVER_MESSAGE(g_object_ref(message));
  stream->page = page;
  stream->timer = g_timeout_add(
      50,
      [](gpointer data) -> gboolean {
        auto* stream = static_cast<Stream*>(data);
        const Page& page = stream->page;
        SoupMessageBody* body = soup_server_message_get_response_body(stream->message);
        if (stream->sent == page.stop_after) {
          if (page.close_on_stop) {
            GIOStream* connection = soup_server_message_steal_connection(stream->message);
            g_io_stream_close(connection, nullptr, nullptr);
            g_object_unref(connection);
          }
          stream->timer = 0;
          return G_SOURCE_REMOVE;
        }
        const size_t piece = (page.body.size() + page.pieces - 1) / page.pieces;
        const size_t from = std::min(page.body.size(), stream->sent * piece);
        const size_t size = std::min(piece, page.body.size() - from);
        soup_message_body_append(body, SOUP_MEMORY_COPY, page.body.data() + from, size);
        ++stream->sent;
        const bool last = stream->sent == page.pieces;
        if (last) soup_message_body_complete(body);
        soup_server_message_unpause(stream->message);
        if (last) stream->timer = 0;
        return last ? G_SOURCE_REMOVE : G_SOURCE_CONTINUE;
      },
      stream.get());
  streams_.push_back(std::move(stream));
}

}  // namespace lumetta::test
