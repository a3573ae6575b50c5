#include "platform/skin.h"

#include <gtk/gtk.h>
#include <gtkmm/cssprovider.h>
#include <gtkmm/window.h>

#include <optional>
#include <string>

#include "platform/file_io.h"
#include "platform/skin_sheet.h"

namespace lumetta {

namespace {

// Above the theme and the desktop's settings, below the program's own rules.
constexpr guint kSkinPriority = GTK_STYLE_PROVIDER_PRIORITY_APPLICATION - 1;

// On a skinned window: the sheet it was given (a reference). On every widget that carries a
// sheet: that sheet (no reference; the widget's style context holds one).
GQuark WindowSheetQuark() {
  static const GQuark quark = g_quark_from_static_string("lumetta-skin-window-sheet");
  return quark;
}
GQuark WidgetSheetQuark() {
  static const GQuark quark = g_quark_from_static_string("lumetta-skin-widget-sheet");
  return quark;
}

// Gives `widget` the sheet `sheet` (none when null) in place of the one it carries.
void SetSheet(GtkWidget* widget, GtkStyleProvider* sheet) {
  auto* current =
      static_cast<GtkStyleProvider*>(g_object_get_qdata(G_OBJECT(widget), WidgetSheetQuark()));
  if (current == sheet) return;
  GtkStyleContext* context = gtk_widget_get_style_context(widget);
  if (current != nullptr) gtk_style_context_remove_provider(context, current);
  if (sheet != nullptr) gtk_style_context_add_provider(context, sheet, kSkinPriority);
  g_object_set_qdata(G_OBJECT(widget), WidgetSheetQuark(), sheet);
}

void SetSheetOnTree(GtkWidget* widget, GtkStyleProvider* sheet);

void SetSheetOnChild(GtkWidget* child, gpointer sheet) {
  SetSheetOnTree(child, static_cast<GtkStyleProvider*>(sheet));
}

// The widget, its children (internal ones included) and the menus its items open, each in the
// pop-up window of its own that holds it.
void SetSheetOnTree(GtkWidget* widget, GtkStyleProvider* sheet) {
  SetSheet(widget, sheet);
  if (GTK_IS_CONTAINER(widget)) gtk_container_forall(GTK_CONTAINER(widget), SetSheetOnChild, sheet);
  if (GTK_IS_MENU_ITEM(widget)) {
    if (GtkWidget* submenu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(widget))) {
      SetSheetOnTree(gtk_widget_get_toplevel(submenu), sheet);
    }
  }
}

// What a widget belongs to: a menu, and the pop-up window holding it, to the item that opens
// it; a dialog or pop-up to the window it was opened for; anything else to its parent.
GtkWidget* Owner(GtkWidget* widget) {
  GtkWidget* menu = widget;
  if (GTK_IS_WINDOW(widget) && GTK_IS_MENU(gtk_bin_get_child(GTK_BIN(widget)))) {
    menu = gtk_bin_get_child(GTK_BIN(widget));
  }
  if (GTK_IS_MENU(menu)) {
    if (GtkWidget* item = gtk_menu_get_attach_widget(GTK_MENU(menu))) return item;
  }
  if (GtkWidget* parent = gtk_widget_get_parent(widget)) return parent;
  if (GTK_IS_WINDOW(widget)) return GTK_WIDGET(gtk_window_get_transient_for(GTK_WINDOW(widget)));
  return nullptr;
}

// The sheet of the skinned window that `widget` belongs to, or null.
GtkStyleProvider* SheetOf(GtkWidget* widget) {
  // A bound on the walk: transient windows could be made to point at each other.
  for (int depth = 0; widget != nullptr && depth < 1000; ++depth, widget = Owner(widget)) {
    if (gpointer sheet = g_object_get_qdata(G_OBJECT(widget), WindowSheetQuark())) {
      return static_cast<GtkStyleProvider*>(sheet);
    }
  }
  return nullptr;
}

// A widget that joins a container takes the sheet of the window it joins, or loses the one it
// had. One leaving its container keeps its looks until it joins another.
gboolean OnParentSet(GSignalInvocationHint*, guint, const GValue* values, gpointer) {
  auto* widget = GTK_WIDGET(g_value_get_object(&values[0]));
  GtkWidget* parent = gtk_widget_get_parent(widget);
  if (parent == nullptr) return TRUE;
  GtkStyleProvider* sheet = SheetOf(widget);
  SetSheetOnTree(widget, sheet);
  // A submenu made after the window was skinned: it and its pop-up window are styled too.
  if (sheet != nullptr && GTK_IS_MENU(parent)) {
    SetSheet(parent, sheet);
    SetSheet(gtk_widget_get_toplevel(parent), sheet);
  }
  return TRUE;
}

// A window about to show takes the sheet of the window it is opened for, or loses one it had
// from another: GTK keeps some pop-ups (tool tips) and shows them for any window.
gboolean OnShow(GSignalInvocationHint*, guint, const GValue* values, gpointer) {
  auto* widget = GTK_WIDGET(g_value_get_object(&values[0]));
  if (GTK_IS_WINDOW(widget)) SetSheetOnTree(widget, SheetOf(widget));
  return TRUE;
}

void FollowNewWidgets() {
  static bool following = false;
  if (following) return;
  following = true;
  g_signal_add_emission_hook(g_signal_lookup("parent-set", GTK_TYPE_WIDGET), 0, OnParentSet,
                             nullptr, nullptr);
  g_signal_add_emission_hook(g_signal_lookup("show", GTK_TYPE_WIDGET), 0, OnShow, nullptr, nullptr);
}

}  // namespace

CssSkin::CssSkin() = default;

CssSkin::~CssSkin() = default;

bool CssSkin::Load(const std::string& path) {
  std::string contents;
  if (ReadRegularFile(path, kMaxSkinBytes, contents) != ReadStatus::kRead) return false;
  // The parser would stop at a NUL byte and take what came before as the whole sheet.
  if (!g_utf8_validate(contents.data(), static_cast<gssize>(contents.size()), nullptr)) {
    return false;
  }
  gchar* folder = g_path_get_dirname(path.c_str());
  const std::optional<std::string> sheet_text = CheckSkinSheet(contents, folder);
  g_free(folder);
  if (!sheet_text) return false;
  auto sheet = Gtk::CssProvider::create();
  int errors = 0;
  const gulong handler = g_signal_connect(
      sheet->gobj(), "parsing-error",
      G_CALLBACK(+[](GtkCssProvider*, GtkCssSection*, GError* error, gpointer count) {
        // Deprecated properties still work; only what GTK cannot use makes the sheet unparsable.
        if (!g_error_matches(error, GTK_CSS_PROVIDER_ERROR, GTK_CSS_PROVIDER_ERROR_DEPRECATED)) {
          ++*static_cast<int*>(count);
        }
      }),
      &errors);
  gtk_css_provider_load_from_data(sheet->gobj(), sheet_text->data(),
                                  static_cast<gssize>(sheet_text->size()), nullptr);
  g_signal_handler_disconnect(sheet->gobj(), handler);
  if (errors != 0) return false;
  sheet_ = std::move(sheet);
  return true;
}

bool CssSkin::Apply(Gtk::Window& window) {
  if (!sheet_) return false;
  FollowNewWidgets();
  auto* provider = GTK_STYLE_PROVIDER(sheet_->gobj());
  g_object_set_qdata_full(G_OBJECT(window.gobj()), WindowSheetQuark(), g_object_ref(provider),
                          g_object_unref);
  SetSheetOnTree(GTK_WIDGET(window.gobj()), provider);
  return true;
}

}  // namespace lumetta
