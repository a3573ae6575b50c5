#include <gtest/gtest.h>
#include <gtkmm/window.h>
#include <webkit2/webkit2.h>

#include <memory>

#include "engine/webkit_engine.h"
#include "platform/url_history.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/local_server.h"
#include "tests/support/self_signed_certificate.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

using Strings = std::vector<std::string>;

class MemoryHistory : public UrlHistory {
 public:
  void Record(const std::string& url) override { entries.push_back(url); }
  std::vector<std::string> Entries() const override { return entries; }
  bool Remove(const std::string& url) override { return std::erase(entries, url) > 0; }
  bool Clear() override {
    entries.clear();
    return true;
  }
  std::vector<std::string> entries;
};

// Everything one control raised, in order.
struct EventLog {
  void Attach(BrowserControl& control) {
    control.BeforeNavigate2.connect([this](const std::string& url) { before.push_back(url); });
    control.DocumentComplete.connect([this](const std::string& url) { complete.push_back(url); });
    control.TitleChange.connect([this](const std::string& text, TitleSource source) {
      titles.push_back(text);
      sources.push_back(source);
    });
    control.CommandStateChange.connect([this](int command, bool enable) {
      states.push_back(std::to_string(command) + (enable ? "+" : "-"));
    });
  }
  Strings before, complete, titles, states;
  std::vector<TitleSource> sources;
};

class WebKitControlTest : public testing::Test {
 protected:
  WebKitControlTest() {
    server_.Serve("/a", "<html><head><title>页面甲</title></head><body>a</body></html>");
    server_.Serve("/b", "<html><head><title>Page B</title></head><body>b</body></html>");
    server_.Serve("/frame", "<html><head><title>frame</title></head><body>f</body></html>");
    server_.Serve("/framed",
                  "<html><head><title>framed</title></head><body>"
                  "<iframe src=\"/frame\"></iframe></body></html>");
    server_.Serve("/untitled", "<html><body>no title</body></html>");
    control_ = factory_->Create();
    log_.Attach(*control_);
    window_.add(control_->GetWidget());
    window_.set_default_size(400, 300);
    window_.show_all();
  }
  ~WebKitControlTest() override { window_.remove(); }

  bool Load(const std::string& url) {
    const size_t done = log_.complete.size();
    control_->Navigate(url);
    return test::WaitUntil([&] { return log_.complete.size() > done && !Loading(); });
  }
  bool Loading() {
    return webkit_web_view_is_loading(WEBKIT_WEB_VIEW(control_->GetWidget().gobj()));
  }
  void RunScript(const std::string& script) {
    webkit_web_view_evaluate_javascript(WEBKIT_WEB_VIEW(control_->GetWidget().gobj()),
                                        script.c_str(), -1, nullptr, nullptr, nullptr, nullptr,
                                        nullptr);
  }

  test::LocalServer server_;
  MemoryHistory history_;
  std::unique_ptr<BrowserControlFactory> factory_ =
      std::make_unique<WebKitEngine>(WebKitEngine::Options{&history_});
  std::unique_ptr<BrowserControl> control_;
  EventLog log_;
  Gtk::Window window_;
};

TEST_F(WebKitControlTest, EventsOfAFramedPage) {
  ASSERT_TRUE(Load(server_.Url("/framed")));
  EXPECT_EQ(log_.before, (Strings{server_.Url("/framed"), server_.Url("/frame")}));
  // The frame's document completes first, then the top-level one.
  EXPECT_EQ(log_.complete, (Strings{server_.Url("/frame"), server_.Url("/framed")}));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "framed"; }));
  EXPECT_EQ(log_.titles.back(), "framed");
  EXPECT_EQ(control_->LocationURL(), server_.Url("/framed"));
  EXPECT_EQ(log_.states, (Strings{"2-", "1-"}));
}

TEST_F(WebKitControlTest, BackAndForwardStatesFollowTheHistory) {
  ASSERT_TRUE(Load(server_.Url("/a")));
  ASSERT_TRUE(Load(server_.Url("/b")));
  EXPECT_EQ(log_.states, (Strings{"2-", "1-", "2+"}));
  ASSERT_TRUE(control_->GoBack());
  ASSERT_TRUE(test::WaitUntil([&] { return log_.states.size() == 5; }));
  EXPECT_EQ(log_.states, (Strings{"2-", "1-", "2+", "2-", "1+"}));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationURL() == server_.Url("/a"); }));
  EXPECT_FALSE(control_->GoBack());
  ASSERT_TRUE(control_->GoForward());
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationURL() == server_.Url("/b"); }));
}

TEST_F(WebKitControlTest, TitlesAreTheChineseTitleOrTheAddress) {
  ASSERT_TRUE(Load(server_.Url("/a")));
  EXPECT_TRUE(
      test::WaitUntil([&] { return !log_.titles.empty() && log_.titles.back() == "页面甲"; }));
  ASSERT_TRUE(Load(server_.Url("/untitled")));
  EXPECT_TRUE(test::WaitUntil(
      [&] { return !log_.titles.empty() && log_.titles.back() == server_.Url("/untitled"); }));
  EXPECT_EQ(control_->LocationName(), server_.Url("/untitled"));
}

struct TitleCase {
  const char* name;
  const char* head;
  const char* title;  // null: the page's address
  const char* name_for_favorites;
  friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }
};

class DocumentTitleTest : public WebKitControlTest,
                          public testing::WithParamInterface<TitleCase> {};

// The engine's empty title while a document commits is never reported: after a titled page, the
// next page's caption goes straight to its own title.
TEST_P(DocumentTitleTest, IsReportedOnceKnown) {
  const TitleCase& c = GetParam();
  server_.Serve("/page", std::string("<html><head>") + c.head + "</head><body>正文</body></html>");
  ASSERT_TRUE(Load(server_.Url("/a")));
  ASSERT_TRUE(test::WaitUntil([&] { return !log_.titles.empty(); }));
  log_.titles.clear();
  ASSERT_TRUE(Load(server_.Url("/page")));
  const std::string expected = c.title != nullptr ? c.title : server_.Url("/page");
  ASSERT_TRUE(test::WaitUntil([&] { return !log_.titles.empty(); }));
  test::RunFor(200);
  EXPECT_EQ(log_.titles, Strings{expected});
  EXPECT_EQ(control_->LocationName(),
            c.name_for_favorites != nullptr ? c.name_for_favorites : server_.Url("/page"));
}

INSTANTIATE_TEST_SUITE_P(Pages, DocumentTitleTest,
                         testing::Values(TitleCase{"NotFoundText", "<title>找不到服务器</title>",
                                                   "找不到服务器", "找不到服务器"},
                                         TitleCase{"EmptyTitle", "<title></title>", "", ""},
                                         TitleCase{"NoTitleElement", "<meta charset=utf-8>",
                                                   nullptr, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WebKitControlTest, UnknownHostShowsTheNotFoundPage) {
  ASSERT_TRUE(Load(server_.Url("/a")));
  const std::string missing = "http://no-such-host.invalid/page";
  const size_t completed = log_.complete.size();
  ASSERT_TRUE(Load(missing));
  test::RunFor(200);
  EXPECT_EQ(log_.complete.size(), completed + 1);
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "找不到服务器"; }));
  EXPECT_EQ(control_->LocationURL(), missing);
  EXPECT_EQ(log_.complete.back(), missing);
  // The address never stands in for the caption of an error page, whose title says it is one.
  for (const std::string& title : log_.titles) EXPECT_NE(title, missing);
  EXPECT_EQ(log_.titles.back(), kServerNotFoundTitle);
  EXPECT_EQ(log_.sources.back(), TitleSource::kServerNotFoundPage);
  EXPECT_EQ(history_.entries, Strings{server_.Url("/a")});
}

// A loopback port nothing listens on.
int ClosedPort() {
  GSocketListener* listener = g_socket_listener_new();
  const guint16 port = g_socket_listener_add_any_inet_port(listener, nullptr, nullptr);
  g_socket_listener_close(listener);
  g_object_unref(listener);
  return port;
}

TEST_F(WebKitControlTest, RefusedConnectionIsAnUnreachableServer) {
  ASSERT_TRUE(Load("http://127.0.0.1:" + std::to_string(ClosedPort()) + "/"));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "找不到服务器"; }));
}

// A proxy refusing a tunnel, or a server failing with no body, is the server's failure: the
// control's page says so, and no file is offered for saving.
TEST_F(WebKitControlTest, ErrorAnswerWithoutAPageIsAnErrorPageNotADownload) {
  test::LocalServer::Page bad_gateway;
  bad_gateway.status = 502;
  bad_gateway.content_type = "application/octet-stream";
  server_.Serve("/s", bad_gateway);
  ASSERT_TRUE(Load(server_.Url("/a")));
  ASSERT_TRUE(Load(server_.Url("/s?wd=baidu")));
  ASSERT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "无法显示网页"; }));
  EXPECT_EQ(control_->LocationURL(), server_.Url("/s?wd=baidu"));
  const auto text = test::EvaluateScript(control_->GetWidget(), "document.body.innerText");
  EXPECT_NE(text.value_or("").find("HTTP 502 Bad Gateway"), std::string::npos);
  test::RunFor(300);
  EXPECT_FALSE(test::IsShown("文件下载"));
}

TEST_F(WebKitControlTest, StoppedLoadCompletesNothing) {
  test::LocalServer::Page never;
  never.hang = true;
  server_.Serve("/never", never);
  ASSERT_TRUE(Load(server_.Url("/b")));
  ASSERT_TRUE(
      test::WaitUntil([&] { return !log_.titles.empty() && log_.titles.back() == "Page B"; }));
  const size_t completed = log_.complete.size();
  const size_t titles = log_.titles.size();
  control_->Navigate(server_.Url("/never"));
  ASSERT_TRUE(test::WaitUntil([&] { return server_.CountRequests("/never") == 1; }));
  EXPECT_TRUE(control_->Stop());
  test::RunFor(300);
  EXPECT_EQ(log_.complete.size(), completed);
  EXPECT_EQ(log_.titles.size(), titles);
  EXPECT_EQ(control_->LocationURL(), server_.Url("/b"));
}

TEST_F(WebKitControlTest, OfflineNoRequestLeavesTheMachine) {
  ASSERT_TRUE(Load(server_.Url("/a")));
  const size_t requests = server_.Requests().size();
  control_->SetOffline(true);
  EXPECT_TRUE(control_->Offline());
  RunScript("fetch('/fetched')");
  ASSERT_TRUE(Load(server_.Url("/b")));
  test::RunFor(300);
  EXPECT_EQ(server_.Requests().size(), requests);
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "脱机工作"; }));

  control_->SetOffline(false);
  ASSERT_TRUE(Load(server_.Url("/b")));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "Page B"; }));
  EXPECT_EQ(server_.CountRequests("/b"), 1);
}

// Two windows going offline at once: the second asks for the filter while the first waits.
TEST_F(WebKitControlTest, TwoWindowsGoingOfflineAtOnceBothGetThereAtOnce) {
  std::unique_ptr<BrowserControl> other = factory_->Create();
  // Before anything else, once the first waits.
  g_idle_add_full(
      G_PRIORITY_HIGH,
      [](gpointer control) {
        static_cast<BrowserControl*>(control)->SetOffline(true);
        return G_SOURCE_REMOVE;
      },
      other.get(), nullptr);
  const gint64 start = g_get_monotonic_time();
  control_->SetOffline(true);
  EXPECT_LT(g_get_monotonic_time() - start, 2 * G_USEC_PER_SEC);
  ASSERT_TRUE(Load(server_.Url("/a")));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "脱机工作"; }));
  EXPECT_EQ(server_.CountRequests("/a"), 0);
}

test::LocalServer::Page PrivatePage(const std::string& realm, const std::string& password) {
  test::LocalServer::Page page;
  page.body = "<html><head><title>机密页面</title></head></html>";
  page.realm = realm;
  page.user = "用户";
  page.password = password;
  page.refusal = "<html><head><title>需要登录</title></head></html>";
  return page;
}

constexpr char kSignInTitle[] = "连接到 127.0.0.1";

// The user is asked even while the control is silent: a refused answer asks again, the right
// one opens the page, Cancel shows the server's page for the refusal.
TEST_F(WebKitControlTest, SignInIsAskedEvenWhenSilent) {
  server_.Serve("/private", PrivatePage("琉梅塔测试", "密码1"));
  server_.Serve("/other", PrivatePage("别的领域", "密码2"));
  control_->SetSilent(true);
  control_->Navigate(server_.Url("/private"));
  GtkWindow* dialog = test::WaitForWindow(kSignInTitle);
  ASSERT_NE(dialog, nullptr);
  EXPECT_NE(test::TextOf(dialog).find("琉梅塔测试"), std::string::npos);
  ASSERT_TRUE(test::TypeInto(dialog, "user", "用户"));
  ASSERT_TRUE(test::TypeInto(dialog, "password", "错误"));
  ASSERT_TRUE(test::Click(dialog, "确定(_O)"));

  ASSERT_TRUE(test::WaitUntil([&] {
    dialog = test::WaitForWindow(kSignInTitle, 0);
    return dialog != nullptr && test::TextOf(dialog).find("不正确") != std::string::npos;
  }));
  test::TypeInto(dialog, "user", "用户");
  test::TypeInto(dialog, "password", "密码1");
  test::Click(dialog, "确定(_O)");
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "机密页面"; }));
  EXPECT_FALSE(test::IsShown(kSignInTitle));

  control_->Navigate(server_.Url("/other"));
  dialog = test::WaitForWindow(kSignInTitle);
  ASSERT_NE(dialog, nullptr);
  test::Click(dialog, "取消(_C)");
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "需要登录"; }));
  EXPECT_EQ(control_->LocationURL(), server_.Url("/other"));
}

// Fifty frames asking at once make one dialog; its answer serves them all.
TEST_F(WebKitControlTest, ManyRequestsForOneRealmAskOnce) {
  server_.Serve("/framed-private", PrivatePage("琉梅塔测试", "密码1"));
  std::string frames = "<html><head><title>五十</title></head><body>";
  for (int i = 0; i < 50; ++i) frames += "<iframe src=\"/framed-private\"></iframe>";
  server_.Serve("/fifty", frames + "</body></html>");
  int dialogs = 0;
  control_->Navigate(server_.Url("/fifty"));
  GtkWindow* dialog = test::WaitForWindow(kSignInTitle);
  ASSERT_NE(dialog, nullptr);
  ++dialogs;
  test::TypeInto(dialog, "user", "用户");
  test::TypeInto(dialog, "password", "密码1");
  test::Click(dialog, "确定(_O)");
  ASSERT_TRUE(test::WaitUntil([&] {
    if (GtkWindow* again = test::WaitForWindow(kSignInTitle, 0);
        again != nullptr && again != dialog) {
      ++dialogs;
      dialog = again;
      test::TypeInto(dialog, "user", "用户");
      test::TypeInto(dialog, "password", "密码1");
      test::Click(dialog, "确定(_O)");
    }
    return server_.CountRequests("/framed-private") - server_.Refusals() == 50;
  }));
  EXPECT_EQ(dialogs, 1);
}

// A refused certificate shows the control's page and nothing of the site; only the page's
// link accepts it, and for that host alone.
TEST_F(WebKitControlTest, CertificateErrorPageContinuesForThatHostOnly) {
  GTlsCertificate* certificate = test::MakeSelfSignedCertificate("127.0.0.1");
  ASSERT_NE(certificate, nullptr);
  test::LocalServer secure(certificate);
  g_object_unref(certificate);
  secure.Serve("/", "<html><head><title>安全页面</title></head></html>");

  ASSERT_TRUE(Load(secure.Url("/")));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "证书错误：自签名证书"; }));
  EXPECT_EQ(control_->LocationURL(), secure.Url("/"));
  EXPECT_EQ(secure.CountRequests("/"), 0);

  // The title comes before the body: click once the link is there.
  ASSERT_TRUE(test::WaitUntil([&] {
    return test::EvaluateScript(control_->GetWidget(), "!!document.getElementById('continue')") ==
           "true";
  }));
  RunScript("document.getElementById('continue').click()");
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "安全页面"; }));
  EXPECT_EQ(control_->LocationURL(), secure.Url("/"));
  // The page's properties name the problem as the error page did.
  ASSERT_TRUE(control_->ShowProperties());
  GtkWindow* properties = test::WaitForWindow("属性");
  ASSERT_NE(properties, nullptr);
  EXPECT_EQ(test::LabelText(properties, "security"), "加密连接 (TLS)，证书错误：自签名证书");
  gtk_dialog_response(GTK_DIALOG(properties), GTK_RESPONSE_OK);

  // Another loopback address rather than "localhost", whose lookup may try ::1 first.
  ASSERT_TRUE(secure.AlsoListenOn("127.0.0.2"));
  const std::string other_host = secure.Url("/", "127.0.0.2");
  control_->Navigate(other_host);
  // Leaving one site for another, the engine now and then reports the refused handshake as a
  // cancelled load (its generic error page); the same address loaded again gives the real answer.
  int retries = 0;
  EXPECT_TRUE(test::WaitUntil([&] {
    if (control_->LocationName() == "无法显示网页" && !Loading() && retries < 3) {
      ++retries;
      control_->Navigate(other_host);
    }
    return control_->LocationName() == "证书错误：证书与网站地址不符";
  })) << control_->LocationName();
  EXPECT_EQ(secure.CountRequests("/"), 1);
}

// Old Chinese sites send GBK without saying so, in the header or in the page.
TEST_F(WebKitControlTest, PageWithoutACharsetIsReadAsGbk) {
  test::LocalServer::Page legacy;
  legacy.content_type = "text/html";
  // "<title>中文网页</title>" in GBK.
  legacy.body = "<html><head><title>\xD6\xD0\xCE\xC4\xCD\xF8\xD2\xB3</title></head></html>";
  server_.Serve("/gbk", legacy);
  ASSERT_TRUE(Load(server_.Url("/gbk")));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "中文网页"; }));
}

TEST_F(WebKitControlTest, HistoryRecordsCommittedTopLevelPagesOnly) {
  ASSERT_TRUE(Load(server_.Url("/framed")));
  ASSERT_TRUE(Load("about:blank"));
  ASSERT_TRUE(Load(server_.Url("/a")));
  EXPECT_EQ(history_.entries, (Strings{server_.Url("/framed"), server_.Url("/a")}));
}

TEST_F(WebKitControlTest, BookmarkletRunsInThePageItself) {
  server_.Serve("/script",
                "<html><head><title>t</title><script>var mark = '标';</script></head>"
                "<body>b</body></html>");
  ASSERT_TRUE(Load(server_.Url("/script")));
  // The page's own variable, percent-encoded as bookmarklets are.
  EXPECT_TRUE(control_->RunBookmarklet("javascript:void(document.title%3Dmark%2B'%E8%AE%B0')"));
  EXPECT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "标记"; }));
  EXPECT_FALSE(control_->RunBookmarklet("http://a.example/"));
}

TEST_F(WebKitControlTest, TypedTextIsResolvedByTheControl) {
  const std::string host_and_path = server_.Url("/a").substr(7);
  ASSERT_TRUE(Load(host_and_path));
  EXPECT_EQ(control_->LocationURL(), server_.Url("/a"));
  EXPECT_FALSE(control_->Navigate("javascript:alert(1)"));
  // A stray Enter in a cleared box keeps the page.
  EXPECT_FALSE(control_->Navigate(""));
  EXPECT_FALSE(control_->Navigate("  "));
  test::RunFor(300);
  EXPECT_EQ(control_->LocationURL(), server_.Url("/a"));
}

TEST_F(WebKitControlTest, NewWindowRequestOpensInTheControlTheHandlerGives) {
  server_.Serve("/opener",
                "<html><body><a id=\"l\" href=\"/b\" target=\"_blank\">b</a></body></html>");
  std::unique_ptr<BrowserControl> popup;
  EventLog popup_log;
  Gtk::Window popup_window;
  control_->NewWindow2.connect([&]() -> BrowserControl* {
    popup = control_->CreateRelated();
    popup_log.Attach(*popup);
    popup_window.add(popup->GetWidget());
    popup_window.show_all();
    return popup.get();
  });
  ASSERT_TRUE(Load(server_.Url("/opener")));
  RunScript("document.getElementById('l').click()");
  ASSERT_TRUE(test::WaitUntil([&] { return popup && popup->LocationURL() == server_.Url("/b"); }));
  EXPECT_TRUE(test::WaitUntil([&] { return popup_log.complete.size() == 1; }));
  EXPECT_EQ(control_->LocationURL(), server_.Url("/opener"));
  // The popup's view goes with its control: the engine kept no reference of its own.
  gpointer view = popup->GetWidget().gobj();
  g_object_add_weak_pointer(G_OBJECT(view), &view);
  popup_window.remove();
  popup.reset();
  EXPECT_TRUE(test::WaitUntil([&] { return view == nullptr; }));
}

TEST_F(WebKitControlTest, NewWindowRefusedWhenTheHandlerGivesNothing) {
  server_.Serve("/opener",
                "<html><body><a id=\"l\" href=\"/b\" target=\"_blank\">b</a></body></html>");
  int requests = 0;
  control_->NewWindow2.connect([&]() -> BrowserControl* {
    ++requests;
    return nullptr;
  });
  ASSERT_TRUE(Load(server_.Url("/opener")));
  RunScript("document.getElementById('l').click()");
  ASSERT_TRUE(test::WaitUntil([&] { return requests == 1; }));
  test::RunFor(200);
  EXPECT_EQ(server_.CountRequests("/b"), 0);
}

TEST_F(WebKitControlTest, ScriptWithoutAGestureOpensNoWindow) {
  server_.Serve("/spam",
                "<html><body><script>setTimeout(function(){"
                "for (var i = 0; i < 100; i++) window.open('/b');}, 0)</script></body></html>");
  int requests = 0;
  control_->NewWindow2.connect([&]() -> BrowserControl* {
    ++requests;
    return nullptr;
  });
  ASSERT_TRUE(Load(server_.Url("/spam")));
  test::RunFor(300);
  EXPECT_EQ(requests, 0);
}

}  // namespace
}  // namespace lumetta
