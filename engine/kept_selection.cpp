#include "engine/kept_selection.h"

namespace lumetta {

namespace {

// A script world of our own: the page's scripts cannot see or change what is kept.
constexpr char kScriptWorld[] = "lumetta";
// A selection collapsed while the page has the focus is the user's doing and forgets the kept
// one; collapsed in the background, it was taken by another widget and is kept.
constexpr char kKeepScript[] = R"(
(function () {
  var kept = null;
  document.addEventListener('selectionchange', function () {
    var selection = getSelection();
    if (!selection.isCollapsed && selection.rangeCount > 0) {
      kept = selection.getRangeAt(0).cloneRange();
    } else if (document.hasFocus()) {
      kept = null;
    }
  });
  window.lumettaRestoreSelection = function () {
    var selection = getSelection();
    if (kept === null || !selection.isCollapsed || document.hasFocus()) return;
    selection.removeAllRanges();
    selection.addRange(kept);
  };
})();
)";

}  // namespace

void KeepSelectionsOf(WebKitWebView* view) {
  WebKitUserScript* script = webkit_user_script_new_for_world(
      kKeepScript, WEBKIT_USER_CONTENT_INJECT_TOP_FRAME,
      WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START, kScriptWorld, nullptr, nullptr);
  webkit_user_content_manager_add_script(webkit_web_view_get_user_content_manager(view), script);
  webkit_user_script_unref(script);
}

void RestoreKeptSelection(WebKitWebView* view) {
  webkit_web_view_evaluate_javascript(
      view, "if (window.lumettaRestoreSelection) window.lumettaRestoreSelection();", -1,
      kScriptWorld, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace lumetta
