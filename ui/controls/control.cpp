#include "ui/controls/control.h"

#include <gtkmm/cssprovider.h>
#include <gtkmm/layout.h>

#include "ui/controls/css_color.h"

namespace lumetta {

// Truncated, so that a control a few twips narrower than another is a pixel narrower too.
int TwipsToPixels(double twips) { return static_cast<int>(twips / kTwipsPerPixel); }

double PixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

Control::Control(std::string name, std::string type_name, int index)
    : name_(std::move(name)), type_name_(std::move(type_name)), index_(index) {}

Control::~Control() = default;

void Control::SetLeft(double left) {
  left_ = left;
  ApplyGeometry();
}

void Control::SetTop(double top) {
  top_ = top;
  ApplyGeometry();
}

bool Control::SetWidth(double width) {
  if (width < 0) return false;
  width_ = width;
  ApplyGeometry();
  return true;
}

bool Control::SetHeight(double height) {
  if (height < 0) return false;
  height_ = height;
  ApplyGeometry();
  return true;
}

void Control::Move(double left, double top, double width, double height) {
  left_ = left;
  top_ = top;
  if (width >= 0) width_ = width;
  if (height >= 0) height_ = height;
  ApplyGeometry();
}

void Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  ApplyEnabled();
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  ApplyVisible();
}

void Control::SetCaption(const std::string& caption) {
  caption_ = caption;
  ApplyCaption();
}

void Control::SetToolTipText(const std::string& text) {
  tool_tip_ = text;
  ApplyToolTip();
}

void Control::SetBackColor(std::uint32_t color) {
  back_color_ = color;
  ApplyBackColor();
}

void Control::PlaceIn(Gtk::Layout& container) {
  Gtk::Widget* widget = Widget();
  if (widget == nullptr) return;
  container_ = &container;
  container.put(*widget, TwipsToPixels(left_), TwipsToPixels(top_));
  ApplyGeometry();
}

void Control::ApplyAll() {
  ApplyGeometry();
  ApplyEnabled();
  ApplyVisible();
  ApplyToolTip();
  ApplyCaption();
}

void Control::ApplyGeometry() {
  // Only controls placed in a container have a geometry of their own; menu items have none.
  Gtk::Widget* widget = Widget();
  if (widget == nullptr || container_ == nullptr) return;
  widget->set_size_request(TwipsToPixels(width_), TwipsToPixels(height_));
  container_->move(*widget, TwipsToPixels(left_), TwipsToPixels(top_));
}

void Control::ApplyEnabled() {
  if (Gtk::Widget* widget = Widget()) widget->set_sensitive(enabled_);
}

void Control::ApplyVisible() {
  Gtk::Widget* widget = Widget();
  if (widget == nullptr) return;
  // A hidden control stays hidden when its window shows all its widgets.
  widget->set_no_show_all(!visible_);
  if (visible_) {
    widget->show();
  } else {
    widget->hide();
  }
}

void Control::ApplyToolTip() {
  Gtk::Widget* widget = Widget();
  if (widget == nullptr) return;
  if (tool_tip_.empty()) {
    widget->set_has_tooltip(false);
  } else {
    widget->set_tooltip_text(tool_tip_);
  }
}

void Control::ApplyBackColor() {
  if (Gtk::Widget* widget = Widget()) PaintBackColor(*widget, *back_color_, back_color_style_);
}

void Control::PaintBackColor(Gtk::Widget& widget, std::uint32_t color,
                             Glib::RefPtr<Gtk::CssProvider>& style) {
  if (!style) {
    style = Gtk::CssProvider::create();
    widget.get_style_context()->add_provider(style, GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  }
  // Only the widget's own node: an edit box's selection, say, keeps its colours.
  const char* node = gtk_widget_class_get_css_name(GTK_WIDGET_GET_CLASS(widget.gobj()));
  style->load_from_data(std::string(node) + " { background-color: " + CssColor(color) +
                        "; background-image: none; }");
}

}  // namespace lumetta
