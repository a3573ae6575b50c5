#include "ui/controls/item_windows.h"

#include <unordered_set>

namespace lumetta {

void ReleaseItemWindows(GtkWidget* menu, const std::vector<GtkWidget*>& items) {
  if (!gtk_widget_get_realized(menu)) return;
  const std::unordered_set<GtkWidget*> going(items.begin(), items.end());
  GdkWindow* parent = nullptr;
  for (GtkWidget* item : items) {
    if (gtk_widget_get_realized(item)) parent = gtk_widget_get_window(item);
    if (parent != nullptr) break;
  }
  if (parent == nullptr) return;
  GdkDisplay* display = gdk_window_get_display(parent);
  const guint seat_removed = g_signal_lookup("seat-removed", GDK_TYPE_DISPLAY);
  // The newest window comes first: from the last, each handler sits near the head of the list.
  GList* windows = gdk_window_peek_children(parent);
  for (GList* link = g_list_last(windows); link != nullptr; link = link->prev) {
    auto* window = static_cast<GdkWindow*>(link->data);
    gpointer owner = nullptr;
    gdk_window_get_user_data(window, &owner);
    if (going.count(static_cast<GtkWidget*>(owner)) == 0) continue;
    const gulong handler = g_signal_handler_find(
        display, static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA),
        seat_removed, 0, nullptr, nullptr, window);
    if (handler != 0) g_signal_handler_disconnect(display, handler);
  }
}

}  // namespace lumetta
