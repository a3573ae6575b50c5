#include "engine/webkit_browser_control.h"

#include <gtkmm/widget.h>

#include "engine/address_fixup.h"
#include "engine/engine_shared.h"
#include "engine/error_page.h"
#include "engine/frame_reports.h"
#include "engine/full_screen/full_screen.h"
#include "engine/input/control_input.h"
#include "engine/load_failures.h"
#include "engine/offline_filter.h"
#include "engine/page_commands/text_zoom.h"
#include "engine/page_commands/view_commands.h"
#include "engine/permissions/permission_requests.h"
#include "engine/response_policy.h"
#include "engine/script_dialogs/script_dialogs.h"
#include "engine/security/certificate_exceptions.h"
#include "engine/security/sign_in_requests.h"
#include "engine/spare_view.h"
#include "engine/web_process/web_process_watch.h"
#include "platform/url_history.h"

namespace lumetta {

namespace {

std::string Text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

WebKitBrowserControl::WebKitBrowserControl(std::shared_ptr<EngineShared> shared,
                                           WebKitWebView* related)
    : shared_(std::move(shared)), related_(related) {
  const FreshView fresh = related != nullptr ? RelatedView(related) : shared_->views->Take();
  view_ = fresh.view;
  content_manager_ = fresh.content_manager;
  widget_ = Glib::wrap(GTK_WIDGET(view_));
  sign_in_ = std::make_unique<SignInRequests>(view_);
  permissions_ = std::make_unique<PermissionRequests>(view_, shared_->permission_answers);
  certificates_ = std::make_unique<CertificateExceptions>();
  document_.emplace(view_, kControlScriptWorld);
  commands_ = std::make_unique<ViewCommands>(view_);
  full_screen_ = std::make_unique<FullScreen>(view_, *this);
  // Before the control's own handlers: a link the user opens in a new window goes no further.
  input_ = std::make_unique<ControlInput>(view_, *this, pop_ups_);
  process_watch_ = std::make_unique<WebProcessWatch>(view_, [this](const std::string& url) {
    ShowOwnPage(TitleSource::kOwnPage, ErrorPageHtml(ErrorPageKind::kCrashed, url, ""),
                url.c_str());
  });
  script_dialogs_ = std::make_unique<ScriptDialogs>(view_, *process_watch_);
  InstallFrameReports(content_manager_);
  ConnectSignals();
}

WebKitBrowserControl::~WebKitBrowserControl() {
  script_dialogs_.reset();
  process_watch_.reset();
  commands_.reset();
  sign_in_.reset();
  permissions_.reset();
  g_cancellable_cancel(cancellable_);
  g_object_unref(cancellable_);
  g_signal_handlers_disconnect_by_data(view_, this);
  g_signal_handlers_disconnect_by_data(webkit_web_view_get_back_forward_list(view_), this);
  g_signal_handlers_disconnect_by_data(content_manager_, this);
  input_.reset();
  full_screen_.reset();
  webkit_web_view_stop_loading(view_);
  gtk_widget_destroy(GTK_WIDGET(view_));
  g_object_unref(view_);
  g_object_unref(content_manager_);
}

void WebKitBrowserControl::ConnectSignals() {
  g_signal_connect(content_manager_, "script-message-received::frameLoad",
                   G_CALLBACK(&WebKitBrowserControl::OnFrameLoad), this);
  g_signal_connect(content_manager_, "script-message-received::documentTitle",
                   G_CALLBACK(&WebKitBrowserControl::OnDocumentTitle), this);
  g_signal_connect(view_, "decide-policy", G_CALLBACK(&WebKitBrowserControl::OnDecidePolicy), this);
  g_signal_connect(view_, "load-changed", G_CALLBACK(&WebKitBrowserControl::OnLoadChanged), this);
  g_signal_connect(view_, "load-failed", G_CALLBACK(&WebKitBrowserControl::OnLoadFailed), this);
  g_signal_connect(view_, "load-failed-with-tls-errors",
                   G_CALLBACK(&WebKitBrowserControl::OnTlsErrors), this);
  g_signal_connect(view_, "notify::title", G_CALLBACK(&WebKitBrowserControl::OnTitle), this);
  g_signal_connect(view_, "create", G_CALLBACK(&WebKitBrowserControl::OnCreate), this);
  g_signal_connect(view_, "ready-to-show", G_CALLBACK(&WebKitBrowserControl::OnReadyToShow), this);
  g_signal_connect(view_, "close", G_CALLBACK(&WebKitBrowserControl::OnClose), this);
  g_signal_connect(webkit_web_view_get_back_forward_list(view_), "changed",
                   G_CALLBACK(&WebKitBrowserControl::OnBackForwardChanged), this);
}

Gtk::Widget& WebKitBrowserControl::GetWidget() { return *widget_; }

bool WebKitBrowserControl::Navigate(const std::string& url) {
  const std::optional<std::string> address = FixUpAddress(url);
  if (!address) return false;
  script_dialogs_->GoAhead(
      [view = view_, address] { webkit_web_view_load_uri(view, address->c_str()); });
  return true;
}

// The window calls these for the user alone: a question of the page does not hold them up.
bool WebKitBrowserControl::GoBack() {
  if (!webkit_web_view_can_go_back(view_)) return false;
  script_dialogs_->GoAhead([view = view_] { webkit_web_view_go_back(view); });
  return true;
}

bool WebKitBrowserControl::GoForward() {
  if (!webkit_web_view_can_go_forward(view_)) return false;
  script_dialogs_->GoAhead([view = view_] { webkit_web_view_go_forward(view); });
  return true;
}

bool WebKitBrowserControl::Refresh() {
  script_dialogs_->GoAhead([view = view_] { webkit_web_view_reload(view); });
  return true;
}

bool WebKitBrowserControl::Stop() {
  webkit_web_view_stop_loading(view_);
  return true;
}

bool WebKitBrowserControl::RunBookmarklet(const std::string& url) {
  const std::optional<std::string> script = BookmarkletScript(url);
  if (!script) return false;
  // In the page's own world: a bookmarklet works on the page's scripts and document. Choosing
  // it is the user's gesture, like a click in the page.
  pop_ups_.CountGesture();
  webkit_web_view_evaluate_javascript(view_, script->c_str(), static_cast<gssize>(script->size()),
                                      nullptr, nullptr, nullptr, nullptr, nullptr);
  return true;
}

bool WebKitBrowserControl::SaveAs() { return commands_->SaveAs(); }

bool WebKitBrowserControl::PageSetup() { return commands_->PageSetup(); }

bool WebKitBrowserControl::Print(bool prompt) { return commands_->Print(prompt); }

bool WebKitBrowserControl::PrintPreview() { return commands_->PrintPreview(); }

bool WebKitBrowserControl::ShowProperties() { return commands_->Properties(); }

bool WebKitBrowserControl::Edit(EditCommand command) { return commands_->Edit(command); }

bool WebKitBrowserControl::SetTextSize(int32_t level) { return SetTextZoom(view_, level); }

int32_t WebKitBrowserControl::TextSize() const { return TextZoomInForce(view_); }

bool WebKitBrowserControl::Find() {
  if (!gtk_widget_is_focus(GTK_WIDGET(view_))) return false;
  commands_->ShowFind();
  return true;
}

void WebKitBrowserControl::SetOffline(bool value) {
  offline_ = value;
  if (value && !offline_filter_added_) {
    if (!shared_->offline_filter) shared_->offline_filter = std::make_unique<OfflineFilter>();
    // Waiting for the filter runs the main loop; the value may have been set back meanwhile.
    WebKitUserContentFilter* filter = shared_->offline_filter->Get();
    if (filter != nullptr && offline_ && !offline_filter_added_) {
      webkit_user_content_manager_add_filter(content_manager_, filter);
      offline_filter_added_ = true;
    }
  } else if (!value && offline_filter_added_) {
    webkit_user_content_manager_remove_all_filters(content_manager_);
    offline_filter_added_ = false;
  }
}

std::string WebKitBrowserControl::EngineTitle() const {
  return Text(webkit_web_view_get_title(view_));
}

std::string WebKitBrowserControl::LocationName() const {
  return titles_.LocationName(EngineTitle(), LocationURL());
}

std::string WebKitBrowserControl::LocationURL() const {
  return Text(webkit_web_view_get_uri(view_));
}

void WebKitBrowserControl::GrabFocus() { gtk_widget_grab_focus(GTK_WIDGET(view_)); }

Status WebKitBrowserControl::SetBodyStyleCssText(const std::string& css_text) {
  return document_->SetBodyStyleCssText(css_text);
}

Status WebKitBrowserControl::GetDocumentElementInnerHTML(std::string& markup) {
  return document_->GetDocumentElementInnerHTML(markup);
}

std::unique_ptr<BrowserControl> WebKitBrowserControl::CreateRelated() {
  return std::make_unique<WebKitBrowserControl>(shared_, creating_window_ ? view_ : nullptr);
}

void WebKitBrowserControl::RaiseCommandStates() {
  const bool back = webkit_web_view_can_go_back(view_);
  const bool forward = webkit_web_view_can_go_forward(view_);
  const bool back_changed = can_go_back_ != back;
  const bool forward_changed = can_go_forward_ != forward;
  can_go_back_ = back;
  can_go_forward_ = forward;
  if (back_changed) CanGoBackChanged.emit(back);
  if (forward_changed) CanGoForwardChanged.emit(forward);
}

TitleSource WebKitBrowserControl::PageSource() const {
  return own_page_pending_.value_or(page_shown_);
}

void WebKitBrowserControl::RaiseTitle(const TitleInference::Raise& title) {
  if (title) TitleChange.emit(*title, PageSource());
}

bool WebKitBrowserControl::ShowErrorPage(const std::string& failing_uri, const GError* error) {
  const ErrorPageKind kind = ErrorPageKindFor(error, offline_);
  const std::string message = kind == ErrorPageKind::kOther ? Text(error->message) : "";
  const TitleSource source = kind == ErrorPageKind::kServerNotFound
                                 ? TitleSource::kServerNotFoundPage
                                 : TitleSource::kOwnPage;
  return ShowOwnPage(source, ErrorPageHtml(kind, failing_uri, message), failing_uri.c_str());
}

// The page takes the failing address, so that Refresh and going back to it try that again.
bool WebKitBrowserControl::ShowOwnPage(TitleSource source, const std::string& html,
                                       const char* uri) {
  own_page_pending_ = source;
  webkit_web_view_load_alternate_html(view_, html.c_str(), uri, nullptr);
  return true;
}

gboolean WebKitBrowserControl::OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                              WebKitPolicyDecisionType type, gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) {
    return SettleResponse(WEBKIT_RESPONSE_POLICY_DECISION(decision), self->refused_answer_);
  }
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) return FALSE;
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  if (webkit_navigation_action_is_user_gesture(action)) {
    const auto accepted = self->certificates_->Accept(Text(uri), webkit_web_view_get_context(view));
    if (accepted) {
      webkit_policy_decision_ignore(decision);
      webkit_web_view_load_uri(view, accepted->c_str());
      return TRUE;
    }
  }
  // Handlers may run the main loop; the decision must outlive them.
  g_object_ref(decision);
  self->BeforeNavigate2.emit(Text(uri));
  if (self->offline_ && !self->offline_filter_added_ && IsNetworkAddress(uri)) {
    webkit_policy_decision_ignore(decision);
  } else {
    webkit_policy_decision_use(decision);
  }
  g_object_unref(decision);
  return TRUE;
}

void WebKitBrowserControl::OnLoadChanged(WebKitWebView*, WebKitLoadEvent event, gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  switch (event) {
    case WEBKIT_LOAD_STARTED:
      self->load_failed_ = false;
      self->refused_answer_.reset();
      self->script_dialogs_->LoadStarted();
      self->titles_.LoadStarted();
      break;
    case WEBKIT_LOAD_REDIRECTED:
      break;
    case WEBKIT_LOAD_COMMITTED: {
      self->page_shown_ = self->own_page_pending_.value_or(TitleSource::kDocument);
      self->own_page_pending_.reset();
      const std::string uri = self->LocationURL();
      if (self->page_shown_ == TitleSource::kDocument && uri != "about:blank" &&
          self->shared_->history) {
        self->shared_->history->Record(uri);
      }
      self->titles_.DocumentCommitted();
      self->RaiseCommandStates();
      break;
    }
    case WEBKIT_LOAD_FINISHED:
      if (self->titles_.LoadFinished()) {
        QueryTitleReport(self->view_, self->cancellable_,
                         [self](const std::optional<TitleReport>& report) {
                           if (!self->titles_.Settled()) self->SettleTitle(report);
                         });
      }
      self->RaiseCommandStates();
      // A failed or stopped load finishes too; an error page shown for it completes on its own.
      if (!self->load_failed_) self->DocumentComplete.emit(self->LocationURL());
      break;
  }
}

gboolean WebKitBrowserControl::OnLoadFailed(WebKitWebView*, WebKitLoadEvent, gchar* uri,
                                            GError* error, gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  self->load_failed_ = true;
  if (const std::optional<std::string> refused = std::exchange(self->refused_answer_, {})) {
    return self->ShowOwnPage(TitleSource::kOwnPage,
                             ErrorPageHtml(ErrorPageKind::kOther, Text(uri), *refused), uri);
  }
  if (IsQuietFailure(error)) {
    // A stopped or superseded load leaves the page that was there.
    self->own_page_pending_.reset();
    return TRUE;
  }
  return self->ShowErrorPage(Text(uri), error);
}

// A refused certificate shows the control's own page, which lets the user accept it.
gboolean WebKitBrowserControl::OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate* certificate,
                                           GTlsCertificateFlags errors, gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  self->load_failed_ = true;
  self->ShowOwnPage(TitleSource::kOwnPage,
                    self->certificates_->Offer(Text(uri), certificate, errors), uri);
  return TRUE;
}

void WebKitBrowserControl::OnTitle(GObject*, GParamSpec*, gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  self->RaiseTitle(self->titles_.EngineTitleChanged(self->EngineTitle(), self->LocationURL(),
                                                    self->PageSource()));
}

void WebKitBrowserControl::OnBackForwardChanged(WebKitBackForwardList*, WebKitBackForwardListItem*,
                                                gpointer, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->RaiseCommandStates();
}

GtkWidget* WebKitBrowserControl::OnCreate(WebKitWebView*, WebKitNavigationAction* action,
                                          gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  if (!self->pop_ups_.Admit(webkit_navigation_action_is_user_gesture(action))) return nullptr;
  self->creating_window_ = true;
  BrowserControl* opened = self->NewWindow2.emit();
  self->creating_window_ = false;
  auto* control = dynamic_cast<WebKitBrowserControl*>(opened);
  if (control == nullptr) return nullptr;
  // The engine aborts on a view that is not related to the opener.
  if (control->related_ != self->view_) return nullptr;
  return GTK_WIDGET(control->view_);
}

void WebKitBrowserControl::OnReadyToShow(WebKitWebView*, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->ReadyToShow.emit();
}

void WebKitBrowserControl::OnClose(WebKitWebView*, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->WindowClosing.emit();
}

void WebKitBrowserControl::SettleTitle(const std::optional<TitleReport>& report) {
  RaiseTitle(titles_.Settle(report, EngineTitle(), LocationURL(), PageSource()));
}

void WebKitBrowserControl::OnDocumentTitle(WebKitUserContentManager*,
                                           WebKitJavascriptResult* result, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->SettleTitle(
      ReadTitleReport(webkit_javascript_result_get_js_value(result)));
}

void WebKitBrowserControl::OnFrameLoad(WebKitUserContentManager*, WebKitJavascriptResult* result,
                                       gpointer data) {
  JSCValue* value = webkit_javascript_result_get_js_value(result);
  if (!jsc_value_is_string(value)) return;
  char* href = jsc_value_to_string(value);
  static_cast<WebKitBrowserControl*>(data)->DocumentComplete.emit(Text(href));
  g_free(href);
}

}  // namespace lumetta
