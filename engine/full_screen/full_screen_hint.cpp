#include "engine/full_screen/full_screen_hint.h"

#include <gdkmm/monitor.h>
#include <glibmm/main.h>
#include <gtkmm/cssprovider.h>

namespace lumetta {

namespace {

constexpr char kHintText[] = "按 Esc 键退出全屏";
constexpr int kTopMargin = 48;
constexpr char kHintStyle[] =
    ".full-screen-hint { background-color: #303030; border: 1px solid #707070; }"
    ".full-screen-hint label { color: #ffffff; font-size: 14pt; padding: 12px 28px; }";

}  // namespace

FullScreenHint::FullScreenHint() : Gtk::Window(Gtk::WINDOW_POPUP), label_(kHintText) {
  set_type_hint(Gdk::WINDOW_TYPE_HINT_NOTIFICATION);
  auto style = Gtk::CssProvider::create();
  style->load_from_data(kHintStyle);
  get_style_context()->add_class("full-screen-hint");
  get_style_context()->add_provider(style, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  label_.get_style_context()->add_provider(style, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  add(label_);
  label_.show();
}

FullScreenHint::~FullScreenHint() { hide_.disconnect(); }

void FullScreenHint::ShowOn(Gtk::Window* window) {
  Glib::RefPtr<Gdk::Display> display = Gdk::Display::get_default();
  Glib::RefPtr<Gdk::Monitor> monitor;
  if (window != nullptr && window->get_window()) {
    monitor = display->get_monitor_at_window(window->get_window());
  }
  if (!monitor) monitor = display->get_monitor(0);
  Gdk::Rectangle area(0, 0, 0, 0);
  if (monitor) monitor->get_geometry(area);
  int minimum = 0;
  int natural = 0;
  get_preferred_width(minimum, natural);
  move(area.get_x() + (area.get_width() - natural) / 2, area.get_y() + kTopMargin);
  show();
  hide_.disconnect();
  hide_ = Glib::signal_timeout().connect(
      [this] {
        hide();
        return false;
      },
      kShowMs);
}

void FullScreenHint::Close() {
  hide_.disconnect();
  hide();
}

}  // namespace lumetta
