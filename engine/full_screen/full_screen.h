#pragma once

#include <webkit2/webkit2.h>

#include <memory>

#include "app/browser_control.h"

namespace lumetta {

class FullScreenHint;

// A view's page going full screen (a video's button, requestFullscreen): the control raises
// FullScreenChanged so that its window leaves the view alone in it, and the engine makes the
// window full screen. A note says how to leave: Esc, which the engine takes while full screen.
// The page leaving full screen, by Esc, by script or by going to another page, raises it again.
class FullScreen {
 public:
  FullScreen(WebKitWebView* view, BrowserControl& control);
  // Ends the page's process first when a page of the view has been full screen: the engine
  // crashes on destroying such a view while its process runs. A page sharing the process (an
  // opener and the window it opened) shows the control's page for a page that ended.
  ~FullScreen();
  FullScreen(const FullScreen&) = delete;
  FullScreen& operator=(const FullScreen&) = delete;

 private:
  void Leave();
  static gboolean OnEnter(WebKitWebView*, gpointer self);
  static gboolean OnLeave(WebKitWebView*, gpointer self);
  static void OnTerminated(WebKitWebView*, WebKitWebProcessTerminationReason, gpointer self);

  WebKitWebView* view_;
  BrowserControl& control_;
  // Made the first time a page goes full screen.
  std::unique_ptr<FullScreenHint> hint_;
  bool active_ = false;
  bool entered_ = false;
};

}  // namespace lumetta
