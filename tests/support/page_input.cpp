#include "tests/support/page_input.h"

#include <initializer_list>

namespace lumetta::test {
namespace {

// The window GTK hands the widget's clicks through: its own, or (for a widget drawn in its
// parent's window, as an entry is) the input window it keeps in its parent's.
GdkWindow* InputWindowOf(GtkWidget* widget) {
  GdkWindow* window = gtk_widget_get_window(widget);
  if (gtk_widget_get_has_window(widget)) return window;
  for (GList* child = gdk_window_peek_children(window); child != nullptr; child = child->next) {
    gpointer owner = nullptr;
    gdk_window_get_user_data(GDK_WINDOW(child->data), &owner);
    if (owner == widget && gdk_window_is_visible(GDK_WINDOW(child->data))) {
      return GDK_WINDOW(child->data);
    }
  }
  return window;
}

}  // namespace

void ClickWidget(GtkWidget* widget, guint button, GdkModifierType modifiers, double x, double y) {
  GdkWindow* window = InputWindowOf(widget);
  GdkDisplay* display = gdk_window_get_display(window);
  if (x < 0) x = gdk_window_get_width(window) / 2.0;
  if (y < 0) y = gdk_window_get_height(window) / 2.0;
  const guint held = button >= 1 && button <= 5 ? GDK_BUTTON1_MASK << (button - 1) : 0;
  for (const GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
    GdkEvent* event = gdk_event_new(type);
    event->button.window = GDK_WINDOW(g_object_ref(window));
    event->button.time = GDK_CURRENT_TIME;
    event->button.button = button;
    event->button.x = x;
    event->button.y = y;
    event->button.state = modifiers | (type == GDK_BUTTON_RELEASE ? held : 0);
    gdk_event_set_device(event, gdk_seat_get_pointer(gdk_display_get_default_seat(display)));
    gdk_display_put_event(display, event);
    gdk_event_free(event);
  }
}

}  // namespace lumetta::test
