#include "engine/frame_reports.h"

#include <memory>
#include <string>

namespace lumetta {

namespace {

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

}  // namespace

void InstallFrameReports(WebKitUserContentManager* content_manager) {
  webkit_user_content_manager_register_script_message_handler_in_world(content_manager, "frameLoad",
                                                                       kControlScriptWorld);
  webkit_user_content_manager_register_script_message_handler_in_world(
      content_manager, "documentTitle", kControlScriptWorld);
  WebKitUserScript* script = webkit_user_script_new_for_world(
      FrameReportScript().c_str(), WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, kControlScriptWorld, nullptr, nullptr);
  webkit_user_content_manager_add_script(content_manager, script);
  webkit_user_script_unref(script);
}

void QueryTitleReport(WebKitWebView* view, GCancellable* cancellable,
                      std::function<void(const std::optional<TitleReport>&)> answer) {
  using Answer = std::function<void(const std::optional<TitleReport>&)>;
  webkit_web_view_evaluate_javascript(
      view, kTitleQuery, -1, kControlScriptWorld, nullptr, cancellable,
      [](GObject* source, GAsyncResult* result, gpointer data) {
        const std::unique_ptr<Answer> answer(static_cast<Answer*>(data));
        GError* error = nullptr;
        JSCValue* value =
            webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(source), result, &error);
        const bool cancelled = g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED);
        if (error != nullptr) g_error_free(error);
        if (!cancelled) (*answer)(ReadTitleReport(value));
        if (value != nullptr) g_object_unref(value);
      },
      new Answer(std::move(answer)));
}

std::optional<TitleReport> ReadTitleReport(JSCValue* value) {
  if (value == nullptr || !jsc_value_is_object(value)) return std::nullopt;
  TitleReport report;
  JSCValue* element = jsc_value_object_get_property(value, "element");
  JSCValue* text = jsc_value_object_get_property(value, "title");
  report.has_title_element = jsc_value_to_boolean(element);
  if (jsc_value_is_string(text)) {
    char* title = jsc_value_to_string(text);
    report.title = title != nullptr ? title : "";
    g_free(title);
  }
  g_object_unref(element);
  g_object_unref(text);
  return report;
}

}  // namespace lumetta
