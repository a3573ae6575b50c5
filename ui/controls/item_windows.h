#pragma once

#include <gtk/gtk.h>

#include <vector>

namespace lumetta {

// Readies the input windows of `items`, children of `menu` that are all about to go, for going
// together. GDK connects every window to its display's "seat-removed" and, when the window goes,
// looks for that handler among all the display's handlers: each menu item of a shown menu has
// such a window, and with tens of thousands of items removing them one by one took seconds.
// Their handlers are handed back here first, each found near the head of the list, so that the
// searches when the windows go are short. Only for items that go before the main loop runs
// again: their windows then no longer hear of a seat being removed.
void ReleaseItemWindows(GtkWidget* menu, const std::vector<GtkWidget*>& items);

}  // namespace lumetta
