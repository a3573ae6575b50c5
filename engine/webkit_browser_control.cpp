#include "engine/webkit_browser_control.h"

#include <gtkmm/widget.h>

#include "engine/address_fixup.h"
#include "engine/error_page.h"
#include "engine/offline_filter.h"
#include "engine/page_commands/text_zoom.h"
#include "engine/page_commands/view_commands.h"
#include "engine/security/certificate_exceptions.h"
#include "engine/security/sign_in_requests.h"
#include "platform/url_history.h"

namespace lumetta {

namespace {

// Pages that declare no character set are read in the code page of a Chinese desktop.
constexpr char kDefaultCharset[] = "GB18030";

// Frame documents report their completion from a script world of our own, which page scripts
// cannot reach, so a page cannot fake the reports. The top document is covered by the view's
// own load events; once its markup is read it reports its title and whether it has a title
// element, so that an empty title can be told from none. The engine's own title may come later.
constexpr char kScriptWorld[] = "lumetta";
constexpr char kFrameLoadHandler[] = "frameLoad";
constexpr char kDocumentTitleHandler[] = "documentTitle";
constexpr char kTitleQuery[] =
    "({title: document.title, element: document.getElementsByTagName('title').length > 0})";

std::string FrameReportScript() {
  return std::string(R"(
(function () {
  if (window === window.top) {
    document.addEventListener('DOMContentLoaded', function () {
      window.webkit.messageHandlers.documentTitle.postMessage()") +
         kTitleQuery + R"();
    });
    return;
  }
  window.addEventListener('load', function () {
    var href = location.href;
    if (href === 'about:blank' || href === 'about:srcdoc') return;
    window.webkit.messageHandlers.frameLoad.postMessage(href);
  });
})();
)";
}

std::string Text(const char* text) { return text != nullptr ? text : ""; }

// Failures that mean the server could not be found or reached.
bool IsUnreachable(const GError* error) {
  if (error->domain == G_RESOLVER_ERROR) return true;
  if (error->domain != G_IO_ERROR) return false;
  switch (error->code) {
    case G_IO_ERROR_CONNECTION_REFUSED:
    case G_IO_ERROR_HOST_UNREACHABLE:
    case G_IO_ERROR_NETWORK_UNREACHABLE:
    case G_IO_ERROR_HOST_NOT_FOUND:
    case G_IO_ERROR_TIMED_OUT:
    case G_IO_ERROR_PROXY_FAILED:
      return true;
    default:
      return false;
  }
}

// Failures that are not the page's fault and show nothing: a stopped or superseded load, a
// response turned away, an address the engine cannot show.
bool IsQuietFailure(const GError* error) {
  if (error->domain == WEBKIT_NETWORK_ERROR) return error->code == WEBKIT_NETWORK_ERROR_CANCELLED;
  if (error->domain == WEBKIT_POLICY_ERROR) {
    return error->code == WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE ||
           error->code == WEBKIT_POLICY_ERROR_CANNOT_SHOW_URI ||
           error->code == WEBKIT_POLICY_ERROR_CANNOT_SHOW_MIME_TYPE;
  }
  return false;
}

bool IsNetworkAddress(const char* uri) {
  return uri != nullptr && (g_str_has_prefix(uri, "http:") || g_str_has_prefix(uri, "https:") ||
                            g_str_has_prefix(uri, "ws:") || g_str_has_prefix(uri, "wss:"));
}

}  // namespace

WebKitBrowserControl::WebKitBrowserControl(std::shared_ptr<EngineShared> shared,
                                           WebKitWebView* related)
    : shared_(std::move(shared)), related_(related) {
  content_manager_ = webkit_user_content_manager_new();
  if (related != nullptr) {
    view_ = WEBKIT_WEB_VIEW(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", related,
                                         "user-content-manager", content_manager_, nullptr));
  } else {
    view_ = WEBKIT_WEB_VIEW(
        g_object_new(WEBKIT_TYPE_WEB_VIEW, "user-content-manager", content_manager_, nullptr));
  }
  g_object_ref_sink(view_);
  webkit_settings_set_default_charset(webkit_web_view_get_settings(view_), kDefaultCharset);
  widget_ = Glib::wrap(GTK_WIDGET(view_));
  sign_in_ = std::make_unique<SignInRequests>(view_);
  certificates_ = std::make_unique<CertificateExceptions>();
  document_.emplace(view_, kScriptWorld);
  commands_ = std::make_unique<ViewCommands>(view_);
  InstallFrameReports();
  ConnectSignals();
}

WebKitBrowserControl::~WebKitBrowserControl() {
  commands_.reset();
  sign_in_.reset();
  g_cancellable_cancel(cancellable_);
  g_object_unref(cancellable_);
  g_signal_handlers_disconnect_by_data(view_, this);
  g_signal_handlers_disconnect_by_data(webkit_web_view_get_back_forward_list(view_), this);
  g_signal_handlers_disconnect_by_data(content_manager_, this);
  webkit_web_view_stop_loading(view_);
  gtk_widget_destroy(GTK_WIDGET(view_));
  g_object_unref(view_);
  g_object_unref(content_manager_);
}

void WebKitBrowserControl::InstallFrameReports() {
  g_signal_connect(content_manager_, "script-message-received::frameLoad",
                   G_CALLBACK(&WebKitBrowserControl::OnFrameLoad), this);
  webkit_user_content_manager_register_script_message_handler_in_world(
      content_manager_, kFrameLoadHandler, kScriptWorld);
  g_signal_connect(content_manager_, "script-message-received::documentTitle",
                   G_CALLBACK(&WebKitBrowserControl::OnDocumentTitle), this);
  webkit_user_content_manager_register_script_message_handler_in_world(
      content_manager_, kDocumentTitleHandler, kScriptWorld);
  WebKitUserScript* script = webkit_user_script_new_for_world(
      FrameReportScript().c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, kScriptWorld, nullptr, nullptr);
  webkit_user_content_manager_add_script(content_manager_, script);
  webkit_user_script_unref(script);
}

void WebKitBrowserControl::ConnectSignals() {
  g_signal_connect(view_, "decide-policy", G_CALLBACK(&WebKitBrowserControl::OnDecidePolicy), this);
  g_signal_connect(view_, "load-changed", G_CALLBACK(&WebKitBrowserControl::OnLoadChanged), this);
  g_signal_connect(view_, "load-failed", G_CALLBACK(&WebKitBrowserControl::OnLoadFailed), this);
  g_signal_connect(view_, "load-failed-with-tls-errors",
                   G_CALLBACK(&WebKitBrowserControl::OnTlsErrors), this);
  g_signal_connect(view_, "notify::title", G_CALLBACK(&WebKitBrowserControl::OnTitle), this);
  g_signal_connect(view_, "create", G_CALLBACK(&WebKitBrowserControl::OnCreate), this);
  g_signal_connect(view_, "event", G_CALLBACK(&WebKitBrowserControl::OnInputEvent), this);
  g_signal_connect(view_, "ready-to-show", G_CALLBACK(&WebKitBrowserControl::OnReadyToShow), this);
  g_signal_connect(view_, "close", G_CALLBACK(&WebKitBrowserControl::OnClose), this);
  g_signal_connect(view_, "authenticate", G_CALLBACK(&WebKitBrowserControl::OnAuthenticate), this);
  g_signal_connect(view_, "permission-request", G_CALLBACK(&WebKitBrowserControl::OnPermission),
                   this);
  g_signal_connect(webkit_web_view_get_back_forward_list(view_), "changed",
                   G_CALLBACK(&WebKitBrowserControl::OnBackForwardChanged), this);
}

Gtk::Widget& WebKitBrowserControl::GetWidget() { return *widget_; }

bool WebKitBrowserControl::Navigate(const std::string& url) {
  const std::optional<std::string> address = FixUpAddress(url);
  if (!address) return false;
  webkit_web_view_load_uri(view_, address->c_str());
  return true;
}

bool WebKitBrowserControl::GoBack() {
  if (!webkit_web_view_can_go_back(view_)) return false;
  webkit_web_view_go_back(view_);
  return true;
}

bool WebKitBrowserControl::GoForward() {
  if (!webkit_web_view_can_go_forward(view_)) return false;
  webkit_web_view_go_forward(view_);
  return true;
}

bool WebKitBrowserControl::Refresh() {
  webkit_web_view_reload(view_);
  return true;
}

bool WebKitBrowserControl::Stop() {
  webkit_web_view_stop_loading(view_);
  return true;
}

bool WebKitBrowserControl::RunBookmarklet(const std::string& url) {
  constexpr std::string_view kScheme = "javascript:";
  if (url.size() < kScheme.size() ||
      g_ascii_strncasecmp(url.c_str(), kScheme.data(), kScheme.size()) != 0) {
    return false;
  }
  // Bookmarklets keep their script percent-encoded; one with a stray "%" is taken as written.
  const std::string encoded = url.substr(kScheme.size());
  char* decoded = g_uri_unescape_string(encoded.c_str(), nullptr);
  const std::string script = decoded != nullptr ? decoded : encoded;
  g_free(decoded);
  // In the page's own world: a bookmarklet works on the page's scripts and document. Choosing
  // it is the user's gesture, like a click in the page.
  ++gestures_;
  webkit_web_view_evaluate_javascript(view_, script.c_str(), static_cast<gssize>(script.size()),
                                      nullptr, nullptr, nullptr, nullptr, nullptr);
  return true;
}

bool WebKitBrowserControl::ExecWB(int command, int option, std::optional<int32_t> input,
                                  int32_t* output) {
  switch (command) {
    case kOleCmdIdSaveAs:
      return commands_->SaveAs();
    case kOleCmdIdPrint:
      return commands_->Print(option != kOleCmdExecOptDontPromptUser);
    case kOleCmdIdPrintPreview:
      return commands_->PrintPreview();
    case kOleCmdIdPageSetup:
      return commands_->PageSetup();
    case kOleCmdIdProperties:
      return commands_->Properties();
    case kOleCmdIdCut:
      return commands_->Edit(WEBKIT_EDITING_COMMAND_CUT);
    case kOleCmdIdCopy:
      return commands_->Edit(WEBKIT_EDITING_COMMAND_COPY);
    case kOleCmdIdPaste:
      return commands_->Edit(WEBKIT_EDITING_COMMAND_PASTE);
    case kOleCmdIdSelectAll:
      return commands_->Edit(WEBKIT_EDITING_COMMAND_SELECT_ALL);
    case kOleCmdIdZoom:
      return ExecTextZoom(view_, input, output);
    default:
      return false;
  }
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

std::string WebKitBrowserControl::LocationName() const {
  const std::string title = Text(webkit_web_view_get_title(view_));
  if (!title.empty() || has_title_element_) return title;
  return LocationURL();
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
  if (back_changed) CommandStateChange.emit(kCscNavigateBack, back);
  if (forward_changed) CommandStateChange.emit(kCscNavigateForward, forward);
}

// The engine empties the title when a document commits, before the document's own title is
// read: a title is reported once it is known. An empty title element gives an empty title; a
// document without one is named by its address. An error page is named only by its own title,
// so the window can recognise it before the address would replace the caption.
void WebKitBrowserControl::RaiseTitle() { RaiseTitle(Text(webkit_web_view_get_title(view_))); }

void WebKitBrowserControl::RaiseTitle(std::string text) {
  if (text.empty()) {
    if (!title_settled_ || showing_error_page_ || error_page_pending_) return;
    if (!has_title_element_) text = LocationURL();
  }
  if (last_title_ == text) return;
  last_title_ = text;
  TitleChange.emit(text);
}

bool WebKitBrowserControl::ShowErrorPage(const std::string& failing_uri, const GError* error) {
  ErrorPageKind kind = ErrorPageKind::kOther;
  if (offline_) {
    kind = ErrorPageKind::kOffline;
  } else if (IsUnreachable(error)) {
    kind = ErrorPageKind::kServerNotFound;
  }
  const std::string message = kind == ErrorPageKind::kOther ? Text(error->message) : "";
  const std::string html = ErrorPageHtml(kind, failing_uri, message);
  error_page_pending_ = true;
  webkit_web_view_load_alternate_html(view_, html.c_str(), failing_uri.c_str(), nullptr);
  return true;
}

gboolean WebKitBrowserControl::OnDecidePolicy(WebKitWebView* view, WebKitPolicyDecision* decision,
                                              WebKitPolicyDecisionType type, gpointer data) {
  if (type == WEBKIT_POLICY_DECISION_TYPE_RESPONSE) {
    // What the engine cannot show is the user's to open or save; the engine itself already
    // downloads attachments and download links.
    if (webkit_response_policy_decision_is_mime_type_supported(
            WEBKIT_RESPONSE_POLICY_DECISION(decision))) {
      return FALSE;
    }
    webkit_policy_decision_download(decision);
    return TRUE;
  }
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION) return FALSE;
  auto* self = static_cast<WebKitBrowserControl*>(data);
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
      // The engine may empty the title before the new document commits.
      self->title_settled_ = false;
      self->document_committed_ = false;
      break;
    case WEBKIT_LOAD_REDIRECTED:
      break;
    case WEBKIT_LOAD_COMMITTED: {
      self->showing_error_page_ = self->error_page_pending_;
      self->error_page_pending_ = false;
      const std::string uri = self->LocationURL();
      if (!self->showing_error_page_ && uri != "about:blank" && self->shared_->history) {
        self->shared_->history->Record(uri);
      }
      self->document_committed_ = true;
      self->title_settled_ = false;
      self->has_title_element_ = false;
      self->RaiseCommandStates();
      break;
    }
    case WEBKIT_LOAD_FINISHED:
      if (!self->title_settled_) self->QueryTitleElement();
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
  if (IsQuietFailure(error)) {
    // A stopped or superseded load leaves the page that was there.
    self->error_page_pending_ = false;
    return TRUE;
  }
  return self->ShowErrorPage(Text(uri), error);
}

// A refused certificate shows the control's own page, which lets the user accept it.
gboolean WebKitBrowserControl::OnTlsErrors(WebKitWebView*, gchar* uri, GTlsCertificate* certificate,
                                           GTlsCertificateFlags errors, gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  self->load_failed_ = true;
  const std::string html = self->certificates_->Offer(Text(uri), certificate, errors);
  self->error_page_pending_ = true;
  webkit_web_view_load_alternate_html(self->view_, html.c_str(), uri, nullptr);
  return TRUE;
}

void WebKitBrowserControl::OnTitle(GObject*, GParamSpec*, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->RaiseTitle();
}

void WebKitBrowserControl::OnBackForwardChanged(WebKitBackForwardList*, WebKitBackForwardListItem*,
                                                gpointer, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->RaiseCommandStates();
}

GtkWidget* WebKitBrowserControl::OnCreate(WebKitWebView*, WebKitNavigationAction* action,
                                          gpointer data) {
  auto* self = static_cast<WebKitBrowserControl*>(data);
  // The engine lets a page open windows only during a gesture, but as many as it asks for then:
  // one click could open hundreds. The first request of a gesture gets a window.
  if (webkit_navigation_action_is_user_gesture(action)) {
    if (self->gesture_with_window_ == self->gestures_) return nullptr;
    self->gesture_with_window_ = self->gestures_;
  }
  BrowserControl* opened = nullptr;
  self->creating_window_ = true;
  self->NewWindow2.emit(opened);
  self->creating_window_ = false;
  auto* control = dynamic_cast<WebKitBrowserControl*>(opened);
  if (control == nullptr) return nullptr;
  // The engine aborts on a view that is not related to the opener.
  if (control->related_ != self->view_) return nullptr;
  return GTK_WIDGET(control->view_);
}

gboolean WebKitBrowserControl::OnInputEvent(GtkWidget*, GdkEvent* event, gpointer data) {
  switch (gdk_event_get_event_type(event)) {
    case GDK_BUTTON_PRESS:
    case GDK_KEY_PRESS:
    case GDK_TOUCH_BEGIN:
      ++static_cast<WebKitBrowserControl*>(data)->gestures_;
      break;
    default:
      break;
  }
  return FALSE;
}

void WebKitBrowserControl::OnReadyToShow(WebKitWebView*, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->ReadyToShow.emit();
}

void WebKitBrowserControl::OnClose(WebKitWebView*, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->WindowClosing.emit();
}

// Only the user can give a password, so the control asks whether or not it is silent.
gboolean WebKitBrowserControl::OnAuthenticate(WebKitWebView*, WebKitAuthenticationRequest* request,
                                              gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->sign_in_->Add(request);
  return TRUE;
}

gboolean WebKitBrowserControl::OnPermission(WebKitWebView*, WebKitPermissionRequest* request,
                                            gpointer data) {
  if (!static_cast<WebKitBrowserControl*>(data)->silent_) return FALSE;
  webkit_permission_request_deny(request);
  return TRUE;
}

// A stopped load leaves the document that was there; a new document that has not said whether it
// has a title element is asked, after any report still on its way.
void WebKitBrowserControl::QueryTitleElement() {
  if (!document_committed_) {
    title_settled_ = true;
    return;
  }
  webkit_web_view_evaluate_javascript(view_, kTitleQuery, -1, kScriptWorld, nullptr, cancellable_,
                                      &WebKitBrowserControl::OnTitleElementAnswer, this);
}

void WebKitBrowserControl::OnTitleElementAnswer(GObject* view, GAsyncResult* result,
                                                gpointer data) {
  GError* error = nullptr;
  JSCValue* value =
      webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, &error);
  const bool cancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
  if (error != nullptr) g_error_free(error);
  // Cancelled when the control is gone.
  if (!cancelled) {
    auto* self = static_cast<WebKitBrowserControl*>(data);
    if (!self->title_settled_) self->SettleTitle(value);
  }
  if (value != nullptr) g_object_unref(value);
}

// `report` is what the document said of its title, or null when it could not be asked.
void WebKitBrowserControl::SettleTitle(JSCValue* report) {
  std::string title;
  has_title_element_ = false;
  if (report != nullptr && jsc_value_is_object(report)) {
    JSCValue* element = jsc_value_object_get_property(report, "element");
    JSCValue* text = jsc_value_object_get_property(report, "title");
    has_title_element_ = jsc_value_to_boolean(element);
    if (jsc_value_is_string(text)) {
      char* value = jsc_value_to_string(text);
      title = Text(value);
      g_free(value);
    }
    g_object_unref(element);
    g_object_unref(text);
  }
  title_settled_ = true;
  const std::string engine_title = Text(webkit_web_view_get_title(view_));
  RaiseTitle(engine_title.empty() ? title : engine_title);
}

void WebKitBrowserControl::OnDocumentTitle(WebKitUserContentManager*,
                                           WebKitJavascriptResult* result, gpointer data) {
  static_cast<WebKitBrowserControl*>(data)->SettleTitle(
      webkit_javascript_result_get_js_value(result));
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
