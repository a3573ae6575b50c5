#pragma once

#include <map>
#include <string>
#include <vector>

typedef struct _SoupServer SoupServer;
typedef struct _SoupServerMessage SoupServerMessage;

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
  };

  LocalServer();
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  void Serve(const std::string& path, Page page) { pages_[path] = std::move(page); }
  void Serve(const std::string& path, const std::string& html) { pages_[path].body = html; }
  // http://127.0.0.1:PORT followed by `path`.
  std::string Url(const std::string& path) const;
  // The paths requested so far (with their queries), in order.
  const std::vector<std::string>& Requests() const { return requests_; }
  int CountRequests(const std::string& path) const;
  // The Cookie header of the last request for `path`; "" when it had none or there was none.
  std::string LastCookie(const std::string& path) const;

 private:
  static void Handle(SoupServer*, SoupServerMessage* message, const char* path, void* query,
                     void* self);

  SoupServer* server_ = nullptr;
  int port_ = 0;
  std::map<std::string, Page> pages_;
  std::vector<std::string> requests_;
  std::map<std::string, std::string> last_cookies_;
};

}  // namespace lumetta::test
