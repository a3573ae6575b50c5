#include <gtest/gtest.h>
#include <gtkmm/menubar.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ui/controls/menu_item.h"

namespace lumetta {
namespace {

// An item opening a submenu of many entries tells assistive technologies of each entry when it
// is selected: in time proportional to the entries, and still right after some come and go.
TEST(SubmenuItemTest, SelectingAMenuOfManyEntriesTakesLinearTimeAndKeepsItsChildrenRight) {
  constexpr int kEntries = 10000;
  Gtk::MenuBar bar;
  MenuItem menu("mnuTest", "收藏夹(&A)", MenuKind::kSubmenu);
  bar.append(menu.Item());
  std::vector<std::unique_ptr<MenuItem>> entries;
  for (int i = 0; i < kEntries; ++i) {
    entries.push_back(std::make_unique<MenuItem>("mnuTestEntry", "条目 " + std::to_string(i),
                                                 MenuKind::kEntry, i));
    menu.Append(*entries.back());
  }
  // Selected, the item only tells; it does not pop the submenu up.
  menu.Submenu()->set_sensitive(false);
  AtkObject* accessible = gtk_widget_get_accessible(GTK_WIDGET(menu.Item().gobj()));
  // The first selection makes the entries' accessibles.
  gtk_menu_item_select(menu.Item().gobj());
  gtk_menu_item_deselect(menu.Item().gobj());

  const auto start = std::chrono::steady_clock::now();
  gtk_menu_item_select(menu.Item().gobj());
  gtk_menu_item_deselect(menu.Item().gobj());
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_LT(took, std::chrono::seconds(1)) << std::chrono::duration<double>(took).count() << " s";

  menu.Remove(*entries[0]);
  menu.Remove(*entries[kEntries - 1]);
  auto added = std::make_unique<MenuItem>("mnuTestEntry", "新", MenuKind::kEntry, kEntries);
  menu.Insert(*added, 1);
  ASSERT_EQ(atk_object_get_n_accessible_children(accessible), kEntries - 1);
  for (const auto& [index, item] : std::vector<std::pair<int, MenuItem*>>{
           {0, entries[1].get()}, {1, added.get()}, {2, entries[2].get()}}) {
    AtkObject* child = atk_object_ref_accessible_child(accessible, index);
    EXPECT_EQ(child, gtk_widget_get_accessible(GTK_WIDGET(item->Item().gobj()))) << index;
    if (child != nullptr) g_object_unref(child);
  }
  EXPECT_EQ(atk_object_ref_accessible_child(accessible, kEntries - 1), nullptr);
}

}  // namespace
}  // namespace lumetta
