#pragma once

#include <sigc++/sigc++.h>
#include <webkit2/webkit2.h>

#include <functional>
#include <memory>

namespace lumetta {

class HangDialog;

// Watches the web process that shows a view's page. When it ends unexpectedly, or the user ends
// a page that stopped answering, `ended` is called with the address it showed. When the page has
// not answered for a while, a dialog asks whether to wait or end it; the dialog goes away by
// itself when the page answers again.
class WebProcessWatch {
 public:
  // How long the engine takes to notice that a page does not answer (after an input event or
  // a load sent to it), and how long it then goes unanswered before the user is asked: ten
  // seconds in all.
  static constexpr unsigned kEngineNoticeMs = 3000;
  static constexpr unsigned kAskAfterMs = 10000 - kEngineNoticeMs;

  WebProcessWatch(WebKitWebView* view, std::function<void(const std::string& url)> ended);
  ~WebProcessWatch();
  WebProcessWatch(const WebProcessWatch&) = delete;
  WebProcessWatch& operator=(const WebProcessWatch&) = delete;

  // Ends the page's process, for a navigation that goes ahead without the page: nothing is
  // shown for it.
  void EndQuietly();

 private:
  void Ask();
  void CloseDialog();
  void OnDialogResponse(int response);
  static void OnResponsive(GObject*, GParamSpec*, gpointer self);
  static void OnTerminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self);

  WebKitWebView* view_;
  std::function<void(const std::string&)> ended_;
  sigc::connection ask_;
  sigc::connection answer_;
  std::unique_ptr<HangDialog> dialog_;
  bool ending_quietly_ = false;
};

}  // namespace lumetta
