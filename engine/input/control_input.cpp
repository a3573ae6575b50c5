#include "engine/input/control_input.h"

#include <glibmm/main.h>

#include "engine/input/shortcut_keys.h"
#include "engine/pop_up_gate.h"

namespace lumetta {

namespace {

constexpr guint kMiddleButton = 2;
constexpr guint kBackButton = 8;
constexpr guint kForwardButton = 9;

bool OnlyCtrl(guint state) {
  return (state & gtk_accelerator_get_default_mod_mask()) == GDK_CONTROL_MASK;
}

// Whether a link click asks for a new window: the middle button, or the first one with Ctrl or
// Shift held.
bool OpensNewWindow(WebKitNavigationAction* action) {
  if (webkit_navigation_action_get_navigation_type(action) != WEBKIT_NAVIGATION_TYPE_LINK_CLICKED) {
    return false;
  }
  const guint button = webkit_navigation_action_get_mouse_button(action);
  const guint modifiers = webkit_navigation_action_get_modifiers(action);
  return button == kMiddleButton ||
         (button == 1 && (modifiers & (GDK_CONTROL_MASK | GDK_SHIFT_MASK)) != 0);
}

}  // namespace

ControlInput::ControlInput(WebKitWebView* view, BrowserControl& control, PopUpGate& pop_ups)
    : view_(view), control_(control), pop_ups_(pop_ups) {
  g_signal_connect(view_, "decide-policy", G_CALLBACK(&ControlInput::OnDecidePolicy), this);
  g_signal_connect(view_, "event", G_CALLBACK(&ControlInput::OnEvent), this);
  g_signal_connect(view_, "key-press-event", G_CALLBACK(&ControlInput::OnKeyPress), this);
  // The engine hands a key back to the view's parents once the page has left it alone.
  g_signal_connect_after(view_, "key-press-event", G_CALLBACK(&ControlInput::OnKeyLeftAlone), this);
  g_signal_connect(view_, "button-press-event", G_CALLBACK(&ControlInput::OnButtonPress), this);
  g_signal_connect(view_, "scroll-event", G_CALLBACK(&ControlInput::OnScroll), this);
}

ControlInput::~ControlInput() { g_signal_handlers_disconnect_by_data(view_, this); }

// Tracked: a control gone meanwhile raises nothing.
void ControlInput::Raise(ControlShortcut shortcut) {
  Glib::signal_idle().connect_once(
      sigc::track_obj([this, shortcut] { control_.Shortcut.emit(shortcut); }, *this));
}

void ControlInput::RaiseLink(const std::string& url) {
  Glib::signal_idle().connect_once(
      sigc::track_obj([this, url] { control_.OpenLinkInNewWindow.emit(url); }, *this));
}

gboolean ControlInput::OnEvent(GtkWidget*, GdkEvent* event, gpointer data) {
  switch (gdk_event_get_event_type(event)) {
    case GDK_BUTTON_PRESS:
    case GDK_KEY_PRESS:
    case GDK_TOUCH_BEGIN:
      static_cast<ControlInput*>(data)->pop_ups_.CountGesture();
      break;
    default:
      break;
  }
  return FALSE;
}

gboolean ControlInput::OnKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
  const auto key = ShortcutForKey(event->keyval, GdkModifierType(event->state));
  if (!key || key->page_first) return FALSE;
  static_cast<ControlInput*>(data)->Raise(key->shortcut);
  return TRUE;
}

gboolean ControlInput::OnKeyLeftAlone(GtkWidget*, GdkEventKey* event, gpointer data) {
  const auto key = ShortcutForKey(event->keyval, GdkModifierType(event->state));
  if (!key || !key->page_first) return FALSE;
  static_cast<ControlInput*>(data)->Raise(key->shortcut);
  return TRUE;
}

// The page never sees the back and forward buttons, as no browser passes them on.
gboolean ControlInput::OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
  if (event->button != kBackButton && event->button != kForwardButton) return FALSE;
  // A quick second press comes as a press and a double press: one step each.
  if (event->type == GDK_BUTTON_PRESS) {
    static_cast<ControlInput*>(data)->Raise(
        event->button == kBackButton ? ControlShortcut::kGoBack : ControlShortcut::kGoForward);
  }
  return TRUE;
}

// Ctrl+wheel zooms the page instead of scrolling it, before the page sees it.
gboolean ControlInput::OnScroll(GtkWidget*, GdkEventScroll* event, gpointer data) {
  if (!OnlyCtrl(event->state)) return FALSE;
  static_cast<ControlInput*>(data)->OnWheel(*event);
  return TRUE;
}

void ControlInput::OnWheel(const GdkEventScroll& event) {
  switch (event.direction) {
    case GDK_SCROLL_UP:
      Raise(ControlShortcut::kZoomIn);
      break;
    case GDK_SCROLL_DOWN:
      Raise(ControlShortcut::kZoomOut);
      break;
    case GDK_SCROLL_SMOOTH:
      // A wheel's step is 1; a touchpad's small steps add up to it.
      wheel_ += event.delta_y;
      for (; wheel_ <= -1; wheel_ += 1) Raise(ControlShortcut::kZoomIn);
      for (; wheel_ >= 1; wheel_ -= 1) Raise(ControlShortcut::kZoomOut);
      break;
    default:
      break;
  }
}

// A link opened in a new window opens there without an opener, through the window's own way to
// new windows; this page stays.
gboolean ControlInput::OnDecidePolicy(WebKitWebView*, WebKitPolicyDecision* decision,
                                      WebKitPolicyDecisionType type, gpointer data) {
  if (type != WEBKIT_POLICY_DECISION_TYPE_NAVIGATION_ACTION &&
      type != WEBKIT_POLICY_DECISION_TYPE_NEW_WINDOW_ACTION) {
    return FALSE;
  }
  WebKitNavigationAction* action = webkit_navigation_policy_decision_get_navigation_action(
      WEBKIT_NAVIGATION_POLICY_DECISION(decision));
  if (!OpensNewWindow(action)) return FALSE;
  const char* uri = webkit_uri_request_get_uri(webkit_navigation_action_get_request(action));
  webkit_policy_decision_ignore(decision);
  if (uri != nullptr) static_cast<ControlInput*>(data)->RaiseLink(uri);
  return TRUE;
}

}  // namespace lumetta
