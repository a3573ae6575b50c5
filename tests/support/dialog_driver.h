#pragma once

#include <gtk/gtk.h>

#include <string>

namespace lumetta::test {

// Drives the program's own dialogs as a user would, by what is on screen.

// The visible top-level window titled `title`, waiting for it up to `timeout_ms`; null if none.
GtkWindow* WaitForWindow(const std::string& title, int timeout_ms = 10000);
// The visible top-level window whose title contains `part`, waiting as WaitForWindow does.
GtkWindow* WaitForWindowWith(const std::string& part, int timeout_ms = 10000);
// Whether a visible top-level window has that title.
bool IsShown(const std::string& title);
// The texts of every label in `window`, joined by new lines.
std::string TextOf(GtkWindow* window);
// The widget named `name` (gtk_widget_set_name) in `window`, or null.
GtkWidget* WidgetNamed(GtkWindow* window, const std::string& name);
// The text of the label named `name` in `window`; "" when there is none.
std::string LabelText(GtkWindow* window, const std::string& name);
// Types `text` into the entry named `name` (gtk_widget_set_name) in `window`.
bool TypeInto(GtkWindow* window, const std::string& name, const std::string& text);
// Clicks the button whose label is `label` (mnemonic underscores included) in `window`.
bool Click(GtkWindow* window, const std::string& label);

}  // namespace lumetta::test
