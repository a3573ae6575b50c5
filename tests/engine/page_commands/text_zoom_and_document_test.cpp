// The control's text size and its access to the document, on the real engine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include <memory>

#include "app/resume_next.h"
#include "engine/document_access.h"
#include "engine/webkit_engine.h"
#include "tests/search/case_name.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

using testing::HasSubstr;
using testing::Not;

class ControlPageTest : public testing::Test {
 protected:
  ControlPageTest() {
    control_->DocumentComplete.connect([this](const std::string&) { ++completed_; });
    window_.add(control_->GetWidget());
    window_.set_default_size(600, 400);
    window_.show_all();
  }
  ~ControlPageTest() override { window_.remove(); }

  bool Load(const std::string& path) {
    const int done = completed_;
    control_->Navigate(server_.Url(path));
    return test::WaitUntil([&] {
      return completed_ > done &&
             !webkit_web_view_is_loading(WEBKIT_WEB_VIEW(control_->GetWidget().gobj()));
    });
  }
  std::string Evaluate(const std::string& script) {
    return test::EvaluateScript(control_->GetWidget(), script).value_or("(failed)");
  }

  test::LocalServer server_;
  std::unique_ptr<BrowserControlFactory> factory_ = std::make_unique<WebKitEngine>();
  std::unique_ptr<BrowserControl> control_ = factory_->Create();
  Gtk::Window window_;
  int completed_ = 0;
};

constexpr char kTextAndBox[] =
    "<html><body style=\"margin:0\"><span id=\"t\" style=\"font-size:20px\">较大的文字 text</span>"
    "<div id=\"b\" style=\"width:100px;height:100px;background:#08c\"></div></body></html>";

TEST_F(ControlPageTest, TextSizeLevelsScaleTextOnlyAndStayWithTheControl) {
  server_.Serve("/text", kTextAndBox);
  server_.Serve("/again", kTextAndBox);
  ASSERT_TRUE(Load("/text"));
  const auto text_width = [&] { return std::stod(Evaluate("t.getBoundingClientRect().width")); };
  std::vector<double> widths;
  for (int level = 0; level < 5; ++level) {
    ASSERT_TRUE(control_->ExecWB(kOleCmdIdZoom, kOleCmdExecOptDontPromptUser, level));
    widths.push_back(text_width());
    EXPECT_EQ(Evaluate("b.getBoundingClientRect().width"), "100") << "level " << level;
  }
  // Each level is visibly larger than the one before.
  for (size_t i = 1; i < widths.size(); ++i) EXPECT_GT(widths[i], widths[i - 1] * 1.1) << i;

  ASSERT_TRUE(control_->ExecWB(kOleCmdIdZoom, kOleCmdExecOptDontPromptUser, 3));
  EXPECT_FALSE(control_->ExecWB(kOleCmdIdZoom, kOleCmdExecOptDontPromptUser, 5));
  ASSERT_TRUE(Load("/again"));
  int32_t level = -1;
  EXPECT_TRUE(control_->ExecWB(kOleCmdIdZoom, kOleCmdExecOptDontPromptUser, std::nullopt, &level));
  EXPECT_EQ(level, 3);
  EXPECT_DOUBLE_EQ(text_width(), widths[3]);
  // Another window's control starts at the page's own size.
  const std::unique_ptr<BrowserControl> other = factory_->Create();
  EXPECT_TRUE(other->ExecWB(kOleCmdIdZoom, kOleCmdExecOptDontPromptUser, std::nullopt, &level));
  EXPECT_EQ(level, 2);
}

TEST_F(ControlPageTest, WritesTheBodyStyleAndReadsTheMarkupAsItIsNow) {
  server_.Serve("/styled",
                "<!DOCTYPE html><html><head><title>样式</title></head>"
                "<body style=\"color: red\"><p>原文</p></body></html>");
  ASSERT_TRUE(Load("/styled"));
  EXPECT_FALSE(control_->SetBodyStyleCssText("zoom:1.50;").Failed());
  EXPECT_EQ(Evaluate("getComputedStyle(document.body).zoom"), "1.5");
  EXPECT_EQ(Evaluate("document.body.getAttribute('style')"), "zoom: 1.5;");

  Evaluate("document.querySelector('p').textContent = '脚本改过 \\u0000 after'");
  std::string markup;
  EXPECT_FALSE(control_->GetDocumentElementInnerHTML(markup).Failed());
  // A NUL that a script put in the page survives too.
  EXPECT_EQ(markup, std::string("<head><title>样式</title></head><body style=\"zoom: 1.5;\">"
                                "<p>脚本改过 ") +
                        '\0' + " after</p></body>");
}

TEST_F(ControlPageTest, AStyleWriteDoesNotWaitForThePageToBePaintedAgain) {
  // Painting this page again after its body changes takes seconds, as on a very large page.
  server_.Serve("/slow-paint",
                "<html><body><p>慢</p><script>new MutationObserver(() => "
                "requestAnimationFrame(() => { const end = Date.now() + 4000;"
                "  while (Date.now() < end) {} })).observe(document.body, {attributes: true});"
                "</script></body></html>");
  ASSERT_TRUE(Load("/slow-paint"));
  // The page's first painting is over.
  test::RunFor(500);
  const gint64 start = g_get_monotonic_time();
  EXPECT_FALSE(control_->SetBodyStyleCssText("zoom:1.50;").Failed());
  EXPECT_LT(g_get_monotonic_time() - start, 2000 * 1000);
  EXPECT_EQ(Evaluate("getComputedStyle(document.body).zoom"), "1.5");
}

struct DocumentCase {
  const char* name;
  const char* content_type;
  std::string body;
  int write_error;     // of writing the body's style
  const char* markup;  // a part of the root's inner markup
  friend void PrintTo(const DocumentCase& c, std::ostream* os) { *os << c.name; }
};

class DocumentKindsTest : public ControlPageTest,
                          public testing::WithParamInterface<DocumentCase> {};

TEST_P(DocumentKindsTest, EveryKindOfDocumentGivesItsMarkupOrAFailure) {
  test::LocalServer::Page page;
  page.content_type = GetParam().content_type;
  page.body = GetParam().body;
  server_.Serve("/document", page);
  ASSERT_TRUE(Load("/document"));
  EXPECT_EQ(control_->SetBodyStyleCssText("zoom:2.00;").number, GetParam().write_error);
  std::string markup;
  EXPECT_FALSE(control_->GetDocumentElementInnerHTML(markup).Failed());
  EXPECT_THAT(markup, HasSubstr(GetParam().markup));
}

const char kGif[] =
    "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff\x21\xf9\x04\x01\x00\x00\x00\x00"
    "\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3b";

INSTANTIATE_TEST_SUITE_P(
    Kinds, DocumentKindsTest,
    testing::Values(
        DocumentCase{"Image", "image/gif", std::string(kGif, sizeof kGif - 1), 0, "<img"},
        DocumentCase{"NoBody", "image/svg+xml",
                     "<svg xmlns=\"http://www.w3.org/2000/svg\"><text>矢量</text></svg>",
                     kErrObjectNotSet, "矢量"},
        DocumentCase{"Frameset", "text/html",
                     "<html><frameset cols=\"50%,50%\"><frame src=\"about:blank\">"
                     "<frame src=\"about:blank\"></frameset></html>",
                     0, "<frameset"},
        DocumentCase{"ScriptsForbidden", "text/html; charset=utf-8",
                     "<html><head><meta http-equiv=\"Content-Security-Policy\" "
                     "content=\"script-src 'none'\"></head><body>受限</body></html>",
                     0, "受限"}),
    test::CaseName<DocumentCase>);

TEST_F(ControlPageTest, ANewControlHasNoDocument) {
  std::string markup = "kept";
  EXPECT_EQ(control_->SetBodyStyleCssText("zoom:2.00;").number, kErrObjectNotSet);
  EXPECT_EQ(control_->GetDocumentElementInnerHTML(markup).number, kErrObjectNotSet);
}

// A second write made while the first waits.
struct NestedWrite {
  BrowserControl* control;
  Status status;
};

TEST_F(ControlPageTest, ABusyPageFailsInTimeAndKeepsItsStyle) {
  server_.Serve("/busy",
                "<html><body style=\"color: red\"><script>"
                "addEventListener('load', () => { document.title = 'busy'; setTimeout(() => {"
                "  const end = Date.now() + 8000; while (Date.now() < end) {}"
                "  document.title = 'idle'; }, 100); });"
                "</script></body></html>");
  ASSERT_TRUE(Load("/busy"));
  ASSERT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "busy"; }));
  test::RunFor(300);

  NestedWrite nested{control_.get(), {}};
  g_timeout_add(
      200,
      [](gpointer data) {
        auto* nested = static_cast<NestedWrite*>(data);
        nested->status = nested->control->SetBodyStyleCssText("zoom:3.00;");
        return G_SOURCE_REMOVE;
      },
      &nested);
  const gint64 start = g_get_monotonic_time();
  const Status status = control_->SetBodyStyleCssText("zoom:2.00;");
  const gint64 waited_ms = (g_get_monotonic_time() - start) / 1000;
  EXPECT_EQ(status.number, kErrTimeout);
  EXPECT_LT(waited_ms, 6000);
  EXPECT_EQ(nested.status.number, kErrCallRejected);

  // The write reaches the page after the caller gave up, and is dropped there.
  ASSERT_TRUE(test::WaitUntil([&] { return control_->LocationName() == "idle"; }));
  EXPECT_EQ(Evaluate("document.body.getAttribute('style')"), "color: red");
}

}  // namespace
}  // namespace lumetta
