#pragma once

#include <gtkmm/container.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <string>

namespace lumetta::test {

// The visible top-level window titled `title`, or null.
inline Gtk::Window* VisibleWindow(const std::string& title) {
  for (Gtk::Window* window : Gtk::Window::list_toplevels()) {
    if (window->get_visible() && window->get_title() == title) return window;
  }
  return nullptr;
}

// The widget named `name` in the tree below `root` (itself included), or null.
inline Gtk::Widget* FindNamed(Gtk::Widget& root, const std::string& name) {
  if (root.get_name() == name) return &root;
  if (auto* container = dynamic_cast<Gtk::Container*>(&root)) {
    for (Gtk::Widget* child : container->get_children()) {
      if (Gtk::Widget* found = FindNamed(*child, name)) return found;
    }
  }
  return nullptr;
}

// The text of the label named `name` below `root`; "" when there is none.
inline std::string LabelText(Gtk::Widget& root, const std::string& name) {
  auto* label = dynamic_cast<Gtk::Label*>(FindNamed(root, name));
  return label != nullptr ? std::string(label->get_text()) : "";
}

}  // namespace lumetta::test
