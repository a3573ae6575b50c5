#include "ui/controls/text_menu_item.h"

#include <gtk/gtk.h>

#include <algorithm>

namespace lumetta {

namespace {

GtkWidgetClass* parent_widget_class = nullptr;

GQuark SharedLayoutQuark() {
  static const GQuark quark = g_quark_from_static_string("lumetta-text-menu-item-layout");
  return quark;
}

}  // namespace

// Hooks on the item's class. The C++ item may already be gone while GTK tears the widget down;
// the hooks then do nothing.
struct TextMenuItemHooks {
  static TextMenuItem* ItemOf(gpointer instance) {
    return dynamic_cast<TextMenuItem*>(
        Glib::ObjectBase::_get_current_wrapper(static_cast<GObject*>(instance)));
  }

  static void SetLabel(GtkMenuItem* menu_item, const gchar* label) {
    if (TextMenuItem* item = ItemOf(menu_item)) item->SetText(label != nullptr ? label : "");
  }

  static const gchar* GetLabel(GtkMenuItem* menu_item) {
    const TextMenuItem* item = ItemOf(menu_item);
    return item != nullptr ? item->Text().c_str() : nullptr;
  }

  static AtkObject* GetAccessible(GtkWidget* widget) {
    AtkObject* accessible = parent_widget_class->get_accessible(widget);
    if (TextMenuItem* item = ItemOf(widget)) item->NameAccessible(accessible);
    return accessible;
  }

  static void InitClass(void* klass, void*) {
    parent_widget_class = GTK_WIDGET_CLASS(g_type_class_peek_parent(klass));
    GTK_WIDGET_CLASS(klass)->get_accessible = GetAccessible;
    GTK_MENU_ITEM_CLASS(klass)->set_label = SetLabel;
    GTK_MENU_ITEM_CLASS(klass)->get_label = GetLabel;
  }
};

TextMenuItemType::TextMenuItemType() : Glib::ExtraClassInit(TextMenuItemHooks::InitClass) {}

TextMenuItem::TextMenuItem() : Glib::ObjectBase("LumettaTextMenuItem") {}

void TextMenuItem::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  measured_ = false;
  GtkWidget* widget = GTK_WIDGET(gobj());
  if (accessible_named_) atk_object_set_name(gtk_widget_get_accessible(widget), text_.c_str());
  g_object_notify(G_OBJECT(widget), "label");
  queue_resize();
}

void TextMenuItem::NameAccessible(AtkObject* accessible) {
  if (accessible_named_ || accessible == nullptr) return;
  accessible_named_ = true;
  atk_object_set_name(accessible, text_.c_str());
}

Glib::RefPtr<Pango::Layout> TextMenuItem::PreparedLayout() const {
  auto* widget = GTK_WIDGET(const_cast<GtkMenuItem*>(gobj()));
  // One layout per menu: made once, it only changes font and text from item to item. It works in
  // the menu's own context, which GTK keeps up with the screen's resolution and font settings.
  GtkWidget* owner = gtk_widget_get_parent(widget);
  if (owner == nullptr) owner = widget;
  auto* layout =
      static_cast<PangoLayout*>(g_object_get_qdata(G_OBJECT(owner), SharedLayoutQuark()));
  if (layout == nullptr) {
    layout = pango_layout_new(gtk_widget_get_pango_context(owner));
    g_object_set_qdata_full(G_OBJECT(owner), SharedLayoutQuark(), layout, g_object_unref);
  }
  GtkStyleContext* context = gtk_widget_get_style_context(widget);
  PangoFontDescription* font = nullptr;
  gtk_style_context_get(context, gtk_style_context_get_state(context), GTK_STYLE_PROPERTY_FONT,
                        &font, nullptr);
  pango_layout_set_font_description(layout, font);
  pango_font_description_free(font);
  pango_layout_set_text(layout, text_.data(), static_cast<int>(text_.size()));
  return Glib::wrap(layout, true);
}

void TextMenuItem::Measure() const {
  if (measured_) return;
  PreparedLayout()->get_pixel_size(text_width_, text_height_);
  measured_ = true;
}

Gtk::Border TextMenuItem::Inset() const {
  const Glib::RefPtr<const Gtk::StyleContext> context = get_style_context();
  const Gtk::StateFlags state = context->get_state();
  const Gtk::Border margin = context->get_margin(state);
  const Gtk::Border border = context->get_border(state);
  const Gtk::Border padding = context->get_padding(state);
  Gtk::Border inset;
  inset.set_left(margin.get_left() + border.get_left() + padding.get_left());
  inset.set_right(margin.get_right() + border.get_right() + padding.get_right());
  inset.set_top(margin.get_top() + border.get_top() + padding.get_top());
  inset.set_bottom(margin.get_bottom() + border.get_bottom() + padding.get_bottom());
  return inset;
}

// The theme's own size of an empty item (its minimum size and insets), widened to hold the text.
void TextMenuItem::get_preferred_width_vfunc(int& minimum, int& natural) const {
  Gtk::MenuItem::get_preferred_width_vfunc(minimum, natural);
  Measure();
  const Gtk::Border inset = Inset();
  const int needed = inset.get_left() + text_width_ + inset.get_right();
  minimum = std::max(minimum, needed);
  natural = std::max(natural, needed);
}

void TextMenuItem::get_preferred_height_vfunc(int& minimum, int& natural) const {
  Gtk::MenuItem::get_preferred_height_vfunc(minimum, natural);
  Measure();
  const Gtk::Border inset = Inset();
  const int needed = inset.get_top() + text_height_ + inset.get_bottom();
  minimum = std::max(minimum, needed);
  natural = std::max(natural, needed);
}

void TextMenuItem::get_preferred_height_for_width_vfunc(int, int& minimum, int& natural) const {
  get_preferred_height_vfunc(minimum, natural);
}

bool TextMenuItem::on_draw(const Cairo::RefPtr<Cairo::Context>& cr) {
  Gtk::MenuItem::on_draw(cr);
  if (text_.empty()) return false;
  Measure();
  const Gtk::Border inset = Inset();
  // Where a label would sit: after the room the menu keeps for check marks, centred vertically.
  int x = inset.get_left() + toggle_size_;
  if (get_direction() == Gtk::TEXT_DIR_RTL) {
    x = get_allocated_width() - inset.get_right() - toggle_size_ - text_width_;
  }
  const int content = get_allocated_height() - inset.get_top() - inset.get_bottom();
  const int y = inset.get_top() + (content - text_height_) / 2;
  get_style_context()->render_layout(cr, x, y, PreparedLayout());
  return false;
}

void TextMenuItem::on_style_updated() {
  measured_ = false;
  Gtk::MenuItem::on_style_updated();
}

void TextMenuItem::on_toggle_size_allocate(int allocation) {
  toggle_size_ = allocation;
  Gtk::MenuItem::on_toggle_size_allocate(allocation);
}

}  // namespace lumetta
