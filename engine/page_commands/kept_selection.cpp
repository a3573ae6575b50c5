#include "engine/page_commands/kept_selection.h"

namespace lumetta {

namespace {

// A script world of our own: the page's scripts cannot see or change what is kept.
constexpr char kScriptWorld[] = "lumetta";
// The view tells the page when it goes to the background and comes back, from the focus
// events of the widget, in order with everything else it sends. The page's own idea of its focus
// arrives later, so it cannot tell the address box's collapse from the user's.
// A selection collapsed in the foreground is the user's doing and forgets the kept one;
// collapsed in the background, it was taken by another widget and is kept.
constexpr char kKeepScript[] = R"(
(function () {
  var kept = null;
  var background = false;
  document.addEventListener('selectionchange', function () {
    var selection = getSelection();
    if (!selection.isCollapsed && selection.rangeCount > 0) {
      kept = selection.getRangeAt(0).cloneRange();
    } else if (!background) {
      kept = null;
    }
  });
  window.lumettaSelectionInBackground = function (inBackground) {
    background = inBackground;
  };
  window.lumettaRestoreSelection = function () {
    var selection = getSelection();
    if (kept === null || !background || !selection.isCollapsed) return;
    selection.removeAllRanges();
    selection.addRange(kept);
  };
})();
)";

void RunInScriptWorld(WebKitWebView* view, const char* script) {
  webkit_web_view_evaluate_javascript(view, script, -1, kScriptWorld, nullptr, nullptr, nullptr,
                                      nullptr);
}

// One handler for both focus events: the event says which way the focus went.
gboolean OnFocusChange(GtkWidget* view, GdkEventFocus* event, gpointer) {
  RunInScriptWorld(WEBKIT_WEB_VIEW(view), event->in
                                              ? "window.lumettaSelectionInBackground?.(false);"
                                              : "window.lumettaSelectionInBackground?.(true);");
  return FALSE;
}

}  // namespace

void KeepSelectionsOf(WebKitWebView* view) {
  WebKitUserScript* script = webkit_user_script_new_for_world(
      kKeepScript, WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, kScriptWorld, nullptr, nullptr);
  webkit_user_content_manager_add_script(webkit_web_view_get_user_content_manager(view), script);
  webkit_user_script_unref(script);
  g_signal_connect(view, "focus-in-event", G_CALLBACK(OnFocusChange), nullptr);
  g_signal_connect(view, "focus-out-event", G_CALLBACK(OnFocusChange), nullptr);
}

void RestoreKeptSelection(WebKitWebView* view) {
  RunInScriptWorld(view, "if (window.lumettaRestoreSelection) window.lumettaRestoreSelection();");
}

}  // namespace lumetta
