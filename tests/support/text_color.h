#pragma once

#include <gtkmm/widget.h>

#include <cstdio>
#include <string>

namespace lumetta::test {

// The text colour the style gives a widget's own node, as "#rrggbb".
inline std::string TextColorOf(Gtk::Widget& widget) {
  auto context = widget.get_style_context();
  const Gdk::RGBA color = context->get_color(context->get_state());
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", color.get_red_u() >> 8,
                color.get_green_u() >> 8, color.get_blue_u() >> 8);
  return text;
}

}  // namespace lumetta::test
