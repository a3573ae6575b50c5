#pragma once

#include <webkit2/webkit2.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/browser_control.h"
#include "engine/document_access.h"

namespace lumetta {

class CertificateExceptions;
class OfflineFilter;
class SignInRequests;
class UrlHistory;
class ViewCommands;

// What all controls of the process share.
struct EngineShared {
  UrlHistory* history = nullptr;
  std::unique_ptr<OfflineFilter> offline_filter;
};

// BrowserControl over one WebKitWebView. Every view has its own user content manager, so the
// frame-load reports and the offline filter stay with their view.
class WebKitBrowserControl : public BrowserControl {
 public:
  // `related` is the view whose page asked for this one, or null.
  WebKitBrowserControl(std::shared_ptr<EngineShared> shared, WebKitWebView* related);
  ~WebKitBrowserControl() override;

  Gtk::Widget& GetWidget() override;
  bool Navigate(const std::string& url) override;
  bool GoBack() override;
  bool GoForward() override;
  bool Refresh() override;
  bool Stop() override;
  bool RunBookmarklet(const std::string& url) override;
  bool ExecWB(int command, int option, std::optional<int32_t> input, int32_t* output) override;
  void SetRegisterAsBrowser(bool value) override { register_as_browser_ = value; }
  bool RegisterAsBrowser() const override { return register_as_browser_; }
  void SetSilent(bool value) override { silent_ = value; }
  bool Silent() const override { return silent_; }
  void SetOffline(bool value) override;
  bool Offline() const override { return offline_; }
  std::string LocationName() const override;
  std::string LocationURL() const override;
  void GrabFocus() override;
  Status SetBodyStyleCssText(const std::string& css_text) override;
  Status GetDocumentElementInnerHTML(std::string& markup) override;
  std::unique_ptr<BrowserControl> CreateRelated() override;

 private:
  void ConnectSignals();
  void InstallFrameReports();
  void RaiseCommandStates();
  void RaiseTitle();
  void RaiseTitle(std::string text);
  void QueryTitleElement();
  void SettleTitle(JSCValue* report);
  static void OnTitleElementAnswer(GObject* view, GAsyncResult* result, gpointer self);
  bool ShowErrorPage(const std::string& failing_uri, const GError* error);

  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision*, WebKitPolicyDecisionType,
                                 gpointer self);
  static void OnLoadChanged(WebKitWebView*, WebKitLoadEvent, gpointer self);
  static gboolean OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri, GError*, gpointer self);
  static gboolean OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate*, GTlsCertificateFlags,
                              gpointer self);
  static void OnTitle(GObject*, GParamSpec*, gpointer self);
  static void OnBackForwardChanged(WebKitBackForwardList*, WebKitBackForwardListItem*, gpointer,
                                   gpointer self);
  static GtkWidget* OnCreate(WebKitWebView*, WebKitNavigationAction*, gpointer self);
  static gboolean OnInputEvent(GtkWidget*, GdkEvent*, gpointer self);
  static void OnReadyToShow(WebKitWebView*, gpointer self);
  static void OnClose(WebKitWebView*, gpointer self);
  static gboolean OnAuthenticate(WebKitWebView*, WebKitAuthenticationRequest*, gpointer self);
  static gboolean OnPermission(WebKitWebView*, WebKitPermissionRequest*, gpointer self);
  static void OnFrameLoad(WebKitUserContentManager*, WebKitJavascriptResult*, gpointer self);
  static void OnDocumentTitle(WebKitUserContentManager*, WebKitJavascriptResult*, gpointer self);

  std::shared_ptr<EngineShared> shared_;
  WebKitUserContentManager* content_manager_ = nullptr;
  WebKitWebView* view_ = nullptr;
  // The view whose page opened this one; the engine accepts only such a view for its request.
  WebKitWebView* related_ = nullptr;
  Gtk::Widget* widget_ = nullptr;
  std::unique_ptr<SignInRequests> sign_in_;
  std::unique_ptr<CertificateExceptions> certificates_;
  std::optional<DocumentAccess> document_;
  // The page commands of ExecWB and the dialogs they show.
  std::unique_ptr<ViewCommands> commands_;

  bool register_as_browser_ = false;
  bool silent_ = false;
  bool offline_ = false;
  bool offline_filter_added_ = false;
  // Set while this control's page waits for an answer to its new-window request.
  bool creating_window_ = false;
  // The user's gestures on this control (presses in the view, bookmarklets run) and the one
  // that last opened a window: a page gets one new window per gesture.
  uint64_t gestures_ = 0;
  std::optional<uint64_t> gesture_with_window_;
  // Whether the load under way has failed; it then completes no document.
  bool load_failed_ = false;
  // The error page requested for the failing load, and whether the current page is one.
  bool error_page_pending_ = false;
  bool showing_error_page_ = false;
  std::optional<std::string> last_title_;
  // Whether the current document's title is known, and whether it has a title element.
  bool title_settled_ = false;
  bool has_title_element_ = false;
  bool document_committed_ = false;
  // Cancels the control's requests to the web process when it goes.
  GCancellable* cancellable_ = g_cancellable_new();
  std::optional<bool> can_go_back_;
  std::optional<bool> can_go_forward_;
};

}  // namespace lumetta
