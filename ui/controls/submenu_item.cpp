#include "ui/controls/submenu_item.h"

#include <gtk/gtk-a11y.h>

#include <algorithm>
#include <deque>

namespace lumetta {
namespace {

using Children = std::deque<GtkWidget*>;

struct LumettaSubmenuItemAccessible {
  GtkMenuItemAccessible parent;
};

struct LumettaSubmenuItemAccessibleClass {
  GtkMenuItemAccessibleClass parent_class;
};

G_DEFINE_TYPE(LumettaSubmenuItemAccessible, lumetta_submenu_item_accessible,
              GTK_TYPE_MENU_ITEM_ACCESSIBLE)

// On a submenu: its items in order, kept up to date by its own "insert" and "remove".
GQuark ChildrenQuark() {
  static const GQuark quark = g_quark_from_static_string("lumetta-submenu-children");
  return quark;
}

// Tells the accessible of the item that opens `menu` that `child` joined or left it at `index`.
void NotifyChildrenChanged(GtkWidget* menu, const char* change, size_t index, GtkWidget* child) {
  GtkWidget* item = gtk_menu_get_attach_widget(GTK_MENU(menu));
  if (!GTK_IS_MENU_ITEM(item)) return;
  AtkObject* accessible = gtk_widget_get_accessible(child);
  g_object_notify(G_OBJECT(accessible), "accessible-parent");
  g_signal_emit_by_name(gtk_widget_get_accessible(item), change, static_cast<guint>(index),
                        accessible);
}

Children& CachedChildren(GtkWidget* menu) {
  return *static_cast<Children*>(g_object_get_qdata(G_OBJECT(menu), ChildrenQuark()));
}

void OnInsert(GtkWidget* menu, GtkWidget* child, gint position, gpointer) {
  Children& children = CachedChildren(menu);
  const size_t index =
      position < 0 ? children.size() : std::min(static_cast<size_t>(position), children.size());
  children.insert(children.begin() + static_cast<std::ptrdiff_t>(index), child);
  NotifyChildrenChanged(menu, "children-changed::add", index, child);
}

void OnRemove(GtkWidget* menu, GtkWidget* child, gpointer) {
  Children& children = CachedChildren(menu);
  const auto found = std::find(children.begin(), children.end(), child);
  if (found == children.end()) return;
  const size_t index = static_cast<size_t>(found - children.begin());
  children.erase(found);
  NotifyChildrenChanged(menu, "children-changed::remove", index, child);
}

void AddChild(GtkWidget* child, gpointer children) {
  static_cast<Children*>(children)->push_back(child);
}

const Children& ChildrenOf(GtkWidget* menu) {
  if (auto* children =
          static_cast<Children*>(g_object_get_qdata(G_OBJECT(menu), ChildrenQuark()))) {
    return *children;
  }
  auto* children = new Children;
  gtk_container_foreach(GTK_CONTAINER(menu), &AddChild, children);
  g_object_set_qdata_full(G_OBJECT(menu), ChildrenQuark(), children,
                          [](gpointer data) { delete static_cast<Children*>(data); });
  // The menu as the handlers' data tells them from GTK's own, which have none.
  g_signal_connect(menu, "insert", G_CALLBACK(&OnInsert), menu);
  g_signal_connect(menu, "remove", G_CALLBACK(&OnRemove), menu);
  return *children;
}

GtkWidget* SubmenuOf(AtkObject* accessible) {
  GtkWidget* item = gtk_accessible_get_widget(GTK_ACCESSIBLE(accessible));
  return item != nullptr ? gtk_menu_item_get_submenu(GTK_MENU_ITEM(item)) : nullptr;
}

void Initialize(AtkObject* accessible, gpointer item) {
  ATK_OBJECT_CLASS(lumetta_submenu_item_accessible_parent_class)->initialize(accessible, item);
  GtkWidget* menu = gtk_menu_item_get_submenu(GTK_MENU_ITEM(item));
  if (menu == nullptr) return;
  // GTK's accessible has just connected handlers to the submenu that list all of it for every
  // item that joins or leaves, and that signal the same change as ChildrenOf's own.
  for (const char* signal : {"insert", "remove"}) {
    g_signal_handlers_disconnect_matched(
        menu, static_cast<GSignalMatchType>(G_SIGNAL_MATCH_ID | G_SIGNAL_MATCH_DATA),
        g_signal_lookup(signal, G_OBJECT_TYPE(menu)), 0, nullptr, nullptr, nullptr);
  }
  ChildrenOf(menu);
}

gint GetNChildren(AtkObject* accessible) {
  GtkWidget* menu = SubmenuOf(accessible);
  return menu != nullptr ? static_cast<gint>(ChildrenOf(menu).size()) : 0;
}

AtkObject* RefChild(AtkObject* accessible, gint index) {
  GtkWidget* menu = SubmenuOf(accessible);
  if (menu == nullptr || index < 0) return nullptr;
  const Children& children = ChildrenOf(menu);
  if (static_cast<size_t>(index) >= children.size()) return nullptr;
  GtkWidget* child = children[static_cast<size_t>(index)];
  // Asked while the submenu loses an item, before the list has heard of it.
  if (gtk_widget_get_parent(child) != menu) return nullptr;
  return ATK_OBJECT(g_object_ref(gtk_widget_get_accessible(child)));
}

void lumetta_submenu_item_accessible_class_init(LumettaSubmenuItemAccessibleClass* klass) {
  AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
  atk->initialize = &Initialize;
  atk->get_n_children = &GetNChildren;
  atk->ref_child = &RefChild;
}

void lumetta_submenu_item_accessible_init(LumettaSubmenuItemAccessible*) {}

void InitSubmenuItemClass(void* klass, void*) {
  gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass),
                                       lumetta_submenu_item_accessible_get_type());
}

}  // namespace

SubmenuItemType::SubmenuItemType() : Glib::ExtraClassInit(&InitSubmenuItemClass) {}

SubmenuItem::SubmenuItem() : Glib::ObjectBase("LumettaSubmenuItem") {}

}  // namespace lumetta
