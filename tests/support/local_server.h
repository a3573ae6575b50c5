#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

typedef struct _SoupServer SoupServer;
typedef struct _SoupServerMessage SoupServerMessage;
typedef struct _GTlsCertificate GTlsCertificate;

namespace lumetta::test {

// An HTTP server on 127.0.0.1 inside the test process, serving fixed pages.
class LocalServer {
 public:
  struct Page {
    int status = 200;
    std::string content_type = "text/html; charset=utf-8";
    std::string body;
    std::map<std::string, std::string> headers;
    // Never answered: the request stays open until the server goes.
    bool hang = false;
    // When set, the page is served only with this user name and password (HTTP Basic, in
    // UTF-8); anything else gets 401 with `refusal` as its page.
    std::string realm;
    std::string user;
    std::string password;
    std::string refusal;
    // When above 0, the body goes out in this many pieces, 50 ms apart, after a Content-Length
    // header for all of it; the server stops sending after `stop_after` pieces, closing the
    // connection when `close_on_stop` and otherwise leaving it open.
    int pieces = 0;
    int stop_after = -1;
    bool close_on_stop = false;
  };

  // With a certificate it serves https.
  explicit LocalServer(GTlsCertificate* certificate = nullptr);
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  void Serve(const std::string& path, Page page) { pages_[path] = std::move(page); }
  void Serve(const std::string& path, const std::string& html) { pages_[path].body = html; }
  // Serves on `address` (another loopback address, say 127.0.0.2) too, on the same port: a
  // second host that needs no name lookup.
  bool AlsoListenOn(const std::string& address);
  // http://127.0.0.1:PORT (or https) followed by `path`; `host` may name another loopback host.
  std::string Url(const std::string& path, const std::string& host = "127.0.0.1") const;
  // The paths requested so far (with their queries), in order.
  const std::vector<std::string>& Requests() const { return requests_; }
  int CountRequests(const std::string& path) const;
  // The Cookie header of the last request for `path`; "" when it had none or there was none.
  std::string LastCookie(const std::string& path) const;
  // How many requests were refused for want of the right user name and password.
  int Refusals() const { return refusals_; }

 private:
  struct Stream;

  static void Handle(SoupServer*, SoupServerMessage* message, const char* path, void* query,
                     void* self);
  void StartStream(SoupServerMessage* message, const Page& page);

  SoupServer* server_ = nullptr;
  int port_ = 0;
  bool https_ = false;
  std::map<std::string, Page> pages_;
  std::vector<std::string> requests_;
  std::map<std::string, std::string> last_cookies_;
  int refusals_ = 0;
  std::vector<std::unique_ptr<Stream>> streams_;
};

}  // namespace lumetta::test
