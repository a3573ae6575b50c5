#pragma once

#include <webkit2/webkit2.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/browser_control.h"
#include "engine/document_access.h"
#include "engine/pop_up_gate.h"
#include "engine/title_inference.h"

namespace lumetta {

class CertificateExceptions;
class PermissionRequests;
class ScriptDialogs;
class SignInRequests;
class ViewCommands;
class WebProcessWatch;
struct EngineShared;

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
  bool SaveAs() override;
  bool PageSetup() override;
  bool Print(bool prompt) override;
  bool PrintPreview() override;
  bool ShowProperties() override;
  bool Edit(EditCommand command) override;
  bool SetTextSize(int32_t level) override;
  int32_t TextSize() const override;
  bool Find() override;
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
  void RaiseCommandStates();
  void RaiseTitle(const TitleInference::Raise& title);
  void SettleTitle(const std::optional<TitleReport>& report);
  std::string EngineTitle() const;
  // Which page is shown, or about to be: the document or one of the control's own.
  TitleSource PageSource() const;
  bool ShowErrorPage(const std::string& failing_uri, const GError* error);
  bool ShowOwnPage(TitleSource source, const std::string& html, const char* uri);

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
  static void OnFrameLoad(WebKitUserContentManager*, WebKitJavascriptResult*, gpointer self);
  static void OnDocumentTitle(WebKitUserContentManager*, WebKitJavascriptResult*, gpointer self);

  std::shared_ptr<EngineShared> shared_;
  WebKitUserContentManager* content_manager_ = nullptr;
  WebKitWebView* view_ = nullptr;
  // The view whose page opened this one; the engine accepts only such a view for its request.
  WebKitWebView* related_ = nullptr;
  Gtk::Widget* widget_ = nullptr;
  std::unique_ptr<SignInRequests> sign_in_;
  std::unique_ptr<PermissionRequests> permissions_;
  std::unique_ptr<CertificateExceptions> certificates_;
  std::optional<DocumentAccess> document_;
  // The page commands and the dialogs they show.
  std::unique_ptr<ViewCommands> commands_;
  // Shows the control's own page when the page's process ends.
  std::unique_ptr<WebProcessWatch> process_watch_;
  std::unique_ptr<ScriptDialogs> script_dialogs_;
  TitleInference titles_;
  PopUpGate pop_ups_;

  bool silent_ = false;
  bool offline_ = false;
  bool offline_filter_added_ = false;
  // Set while this control's page waits for an answer to its new-window request.
  bool creating_window_ = false;
  // Whether the load under way has failed; it then completes no document.
  bool load_failed_ = false;
  // The error answer the load under way was refused for, shown when the load fails.
  std::optional<std::string> refused_answer_;
  // The control's own page requested for the failing load, until it commits, and the page
  // shown since the last commit.
  std::optional<TitleSource> own_page_pending_;
  TitleSource page_shown_ = TitleSource::kDocument;
  // Cancels the control's requests to the web process when it goes.
  GCancellable* cancellable_ = g_cancellable_new();
  std::optional<bool> can_go_back_;
  std::optional<bool> can_go_forward_;
};

}  // namespace lumetta
