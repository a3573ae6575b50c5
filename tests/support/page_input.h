#pragma once

#include <gtk/gtk.h>

namespace lumetta::test {

// A press and release of mouse button `button` (1 left, 2 middle, 8 back, 9 forward) over
// `widget`, with `modifiers` held, as the user makes them: queued to the display, handled by the
// main loop. At the middle of the widget unless a point is given.
void ClickWidget(GtkWidget* widget, guint button = 1,
                 GdkModifierType modifiers = GdkModifierType(0), double x = -1, double y = -1);

}  // namespace lumetta::test
