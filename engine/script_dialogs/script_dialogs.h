#pragma once

#include <sigc++/sigc++.h>
#include <webkit2/webkit2.h>

#include <functional>
#include <memory>

namespace lumetta {

class ScriptDialogWindow;
class WebProcessWatch;

// A view's alert, confirm, prompt and leave-page questions, each in the control's own window,
// which leaves the page's window free. A navigation the user starts is never held up by them: the
// open one is answered as cancelled, and a page that keeps asking (alert() in a loop) is ended
// so that the navigation goes ahead in a fresh process.
class ScriptDialogs {
 public:
  ScriptDialogs(WebKitWebView* view, WebProcessWatch& process);
  // An open question is answered as cancelled.
  ~ScriptDialogs();
  ScriptDialogs(const ScriptDialogs&) = delete;
  ScriptDialogs& operator=(const ScriptDialogs&) = delete;

  // Runs `navigate`, the user's navigation, past any question of the page.
  void GoAhead(const std::function<void()>& navigate);
  // A load has started: the page let the navigation through.
  void LoadStarted();

 private:
  // How long a page answered for may keep the navigation waiting before it is ended.
  static constexpr unsigned kGraceMs = 500;

  void Close(int response);
  static gboolean OnScriptDialog(WebKitWebView*, WebKitScriptDialog* dialog, gpointer self);

  WebKitWebView* view_;
  WebProcessWatch& process_;
  WebKitScriptDialog* dialog_ = nullptr;
  std::unique_ptr<ScriptDialogWindow> window_;
  sigc::connection answer_;
  // Set from a navigation the user started over a question until a load starts: the page's
  // questions are answered as cancelled meanwhile.
  bool navigating_past_ = false;
  sigc::connection grace_;
};

}  // namespace lumetta
