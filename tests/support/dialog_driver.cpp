#include "tests/support/dialog_driver.h"

#include <functional>

#include "tests/support/wait.h"

namespace lumetta::test {

namespace {

GtkWindow* Find(const std::string& title, bool whole = true) {
  GList* toplevels = gtk_window_list_toplevels();
  GtkWindow* found = nullptr;
  for (GList* item = toplevels; item != nullptr && found == nullptr; item = item->next) {
    GtkWindow* window = GTK_WINDOW(item->data);
    const char* caption = gtk_window_get_title(window);
    if (gtk_widget_get_visible(GTK_WIDGET(window)) && caption != nullptr &&
        (whole ? title == caption : std::string(caption).find(title) != std::string::npos)) {
      found = window;
    }
  }
  g_list_free(toplevels);
  return found;
}

// The first widget below `widget` (itself included) for which `match` holds.
GtkWidget* Search(GtkWidget* widget, const std::function<bool(GtkWidget*)>& match) {
  if (match(widget)) return widget;
  if (!GTK_IS_CONTAINER(widget)) return nullptr;
  GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
  GtkWidget* found = nullptr;
  for (GList* item = children; item != nullptr && found == nullptr; item = item->next) {
    found = Search(GTK_WIDGET(item->data), match);
  }
  g_list_free(children);
  return found;
}

}  // namespace

GtkWindow* WaitForWindow(const std::string& title, int timeout_ms) {
  GtkWindow* window = nullptr;
  WaitUntil([&] { return (window = Find(title)) != nullptr; }, timeout_ms);
  return window;
}

GtkWindow* WaitForWindowWith(const std::string& part, int timeout_ms) {
  GtkWindow* window = nullptr;
  WaitUntil([&] { return (window = Find(part, false)) != nullptr; }, timeout_ms);
  return window;
}

bool IsShown(const std::string& title) { return Find(title) != nullptr; }

std::string TextOf(GtkWindow* window) {
  std::string text;
  Search(GTK_WIDGET(window), [&text](GtkWidget* widget) {
    if (GTK_IS_LABEL(widget) && gtk_widget_get_visible(widget)) {
      text += gtk_label_get_text(GTK_LABEL(widget));
      text += "\n";
    }
    return false;
  });
  return text;
}

GtkWidget* WidgetNamed(GtkWindow* window, const std::string& name) {
  return Search(GTK_WIDGET(window),
                [&name](GtkWidget* widget) { return name == gtk_widget_get_name(widget); });
}

std::string LabelText(GtkWindow* window, const std::string& name) {
  GtkWidget* label = WidgetNamed(window, name);
  return label != nullptr && GTK_IS_LABEL(label) ? gtk_label_get_text(GTK_LABEL(label)) : "";
}

bool TypeInto(GtkWindow* window, const std::string& name, const std::string& text) {
  GtkWidget* entry = Search(GTK_WIDGET(window), [&name](GtkWidget* widget) {
    return GTK_IS_ENTRY(widget) && name == gtk_widget_get_name(widget);
  });
  if (entry == nullptr) return false;
  gtk_entry_set_text(GTK_ENTRY(entry), text.c_str());
  return true;
}

bool Click(GtkWindow* window, const std::string& label) {
  GtkWidget* button = Search(GTK_WIDGET(window), [&label](GtkWidget* widget) {
    if (!GTK_IS_BUTTON(widget) || !gtk_widget_is_sensitive(widget) ||
        !gtk_widget_get_visible(widget)) {
      return false;
    }
    const char* text = gtk_button_get_label(GTK_BUTTON(widget));
    return text != nullptr && label == text;
  });
  if (button == nullptr) return false;
  gtk_button_clicked(GTK_BUTTON(button));
  return true;
}

}  // namespace lumetta::test
