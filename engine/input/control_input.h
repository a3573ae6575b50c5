#pragma once

#include <sigc++/sigc++.h>
#include <webkit2/webkit2.h>

#include <string>

#include "app/browser_control.h"

namespace lumetta {

class PopUpGate;

// What the user's keys and clicks in a view's page do beyond the page, as the system's browser
// control does them by itself: its own keys (ShortcutForKey), the mouse's back and forward
// buttons, Ctrl+wheel to zoom, and middle-click, Ctrl+click and Shift+click on a link to open it
// in a new window. Each is raised on `control` from the main loop, not inside the engine's
// signal: the window's handler may run the main loop and close the window. Every key or button
// pressed in the page also counts as a gesture for `pop_ups`.
class ControlInput : public sigc::trackable {
 public:
  // Connects to `view` first of all: its link clicks are settled before anyone else sees them.
  ControlInput(WebKitWebView* view, BrowserControl& control, PopUpGate& pop_ups);
  ~ControlInput();
  ControlInput(const ControlInput&) = delete;
  ControlInput& operator=(const ControlInput&) = delete;

 private:
  void Raise(ControlShortcut shortcut);
  void RaiseLink(const std::string& url);
  void OnWheel(const GdkEventScroll& event);
  static gboolean OnEvent(GtkWidget*, GdkEvent* event, gpointer self);
  static gboolean OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean OnKeyLeftAlone(GtkWidget*, GdkEventKey* event, gpointer self);
  static gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer self);
  static gboolean OnScroll(GtkWidget*, GdkEventScroll* event, gpointer self);
  static gboolean OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                 WebKitPolicyDecisionType type, gpointer self);

  WebKitWebView* view_;
  BrowserControl& control_;
  PopUpGate& pop_ups_;
  // Smooth scrolling's part of a wheel step not yet zoomed.
  double wheel_ = 0;
};

}  // namespace lumetta
