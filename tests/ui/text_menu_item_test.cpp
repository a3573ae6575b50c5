#include "ui/controls/text_menu_item.h"

#include <gtest/gtest.h>
#include <gtkmm/menubar.h>
#include <gtkmm/window.h>

#include <algorithm>
#include <string>

#include "tests/support/wait.h"
#include "ui/controls/menu_item.h"

namespace lumetta {
namespace {

// Where the dark pixels of a drawing are: the text on a light menu.
struct Ink {
  int left = -1;
  int top = -1;
  int right = -1;
  int bottom = -1;
  int pixels = 0;
};

// Draws `item` alone on white and finds its ink.
Ink InkOf(Gtk::Widget& item) {
  const int width = item.get_allocated_width();
  const int height = item.get_allocated_height();
  auto surface = Cairo::ImageSurface::create(Cairo::FORMAT_RGB24, width, height);
  auto cr = Cairo::Context::create(surface);
  cr->set_source_rgb(1, 1, 1);
  cr->paint();
  gtk_widget_draw(item.gobj(), cr->cobj());
  surface->flush();
  Ink ink;
  const unsigned char* data = surface->get_data();
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned char* pixel = data + y * surface->get_stride() + x * 4;
      if (pixel[0] + pixel[1] + pixel[2] >= 3 * 128) continue;
      if (ink.pixels++ == 0) {
        ink.left = ink.right = x;
        ink.top = ink.bottom = y;
      }
      ink.left = std::min(ink.left, x);
      ink.right = std::max(ink.right, x);
      ink.top = std::min(ink.top, y);
      ink.bottom = std::max(ink.bottom, y);
    }
  }
  return ink;
}

// A window with a menu bar whose one menu holds an entry and, below it, a plain item labelled
// with the same text as GTK labels any item.
class TextMenuItemTest : public testing::Test {
 protected:
  static constexpr const char* kText = "收藏夹 A&B_c (测试) Wg";

  TextMenuItemTest() {
    menu_.Append(entry_);
    plain_.set_label(kText);
    menu_.Submenu()->append(plain_);
    bar_.append(menu_.Item());
    window_.add(bar_);
    window_.show_all();
  }

  // Opens the menu as its access key does; another program may hold the pointer for a moment.
  bool Open() {
    Gtk::Menu& menu = *menu_.Submenu();
    for (int attempt = 0; attempt < 20; ++attempt) {
      gtk_widget_mnemonic_activate(GTK_WIDGET(menu_.Item().gobj()), FALSE);
      if (test::WaitUntil([&] { return menu.get_mapped(); }, 500)) break;
    }
    return menu.get_mapped() && test::WaitUntil([&] {
             return entry_.Item().get_allocated_height() > 1 && plain_.get_allocated_height() > 1;
           });
  }

  Gtk::Window window_;
  Gtk::MenuBar bar_;
  MenuItem menu_{"mnuTop", "收藏(&A)", MenuKind::kSubmenu};
  MenuItem entry_{"mnuEntry", kText, MenuKind::kEntry, 1};
  Gtk::MenuItem plain_;
};

TEST_F(TextMenuItemTest, EntryIsAMenuItemWithoutALabelWidget) {
  EXPECT_NE(dynamic_cast<TextMenuItem*>(&entry_.Item()), nullptr);
  EXPECT_EQ(entry_.Item().get_child(), nullptr);
  // The caption as it is: "&" and "_" mark no access key.
  EXPECT_EQ(std::string(entry_.Item().get_label()), kText);
  AtkObject* accessible = gtk_widget_get_accessible(GTK_WIDGET(entry_.Item().gobj()));
  EXPECT_STREQ(atk_object_get_name(accessible), kText);

  entry_.SetCaption("新\t名字");
  EXPECT_EQ(std::string(entry_.Item().get_label()), "新 名字");
  EXPECT_STREQ(atk_object_get_name(accessible), "新 名字");
  EXPECT_EQ(entry_.Item().get_child(), nullptr);
}

TEST_F(TextMenuItemTest, EntryTakesTheSizeAndLooksOfALabelledItem) {
  // As the Favorites menu is before its first opening: restyled in one sweep, in the same state.
  const Gtk::StateFlags menu_state = menu_.Submenu()->get_state_flags();
  const Gtk::StateFlags entry_state = entry_.Item().get_state_flags();
  menu_.RestyleSubmenu();
  EXPECT_EQ(menu_.Submenu()->get_state_flags(), menu_state);
  EXPECT_EQ(entry_.Item().get_state_flags(), entry_state);
  ASSERT_TRUE(Open());
  Gtk::Widget& entry = entry_.Item();
  int entry_min = 0, entry_nat = 0, plain_min = 0, plain_nat = 0;
  entry.get_preferred_width(entry_min, entry_nat);
  plain_.get_preferred_width(plain_min, plain_nat);
  EXPECT_EQ(entry_nat, plain_nat);
  EXPECT_EQ(entry.get_allocated_width(), plain_.get_allocated_width());
  EXPECT_EQ(entry.get_allocated_height(), plain_.get_allocated_height());

  // Opened from the keyboard, the menu selects its first item; both are compared unselected.
  gtk_menu_shell_deselect(GTK_MENU_SHELL(menu_.Submenu()->gobj()));
  const Ink entry_ink = InkOf(entry);
  const Ink plain_ink = InkOf(plain_);
  ASSERT_GT(plain_ink.pixels, 0);
  EXPECT_EQ(entry_ink.pixels, plain_ink.pixels);
  EXPECT_EQ(entry_ink.left, plain_ink.left);
  EXPECT_EQ(entry_ink.right, plain_ink.right);
  EXPECT_EQ(entry_ink.top, plain_ink.top);
  EXPECT_EQ(entry_ink.bottom, plain_ink.bottom);

  // A longer caption widens the entry, and the menu with it, at its next opening.
  const int width = entry.get_allocated_width();
  static_cast<Gtk::MenuShell*>(menu_.Item().get_parent())->deactivate();
  entry_.SetCaption(std::string(kText) + kText);
  ASSERT_TRUE(Open());
  ASSERT_TRUE(test::WaitUntil([&] { return plain_.get_allocated_width() > width; }));
  gtk_menu_shell_deselect(GTK_MENU_SHELL(menu_.Submenu()->gobj()));
  EXPECT_GT(InkOf(entry).right, plain_ink.right);
}

TEST_F(TextMenuItemTest, ChoosingTheEntryClicksItsControl) {
  ASSERT_TRUE(Open());
  int clicked = 0;
  entry_.Click.connect([&](int index) { clicked = index; });
  // Selected, then activated as Enter does.
  gtk_menu_shell_select_item(GTK_MENU_SHELL(menu_.Submenu()->gobj()),
                             GTK_WIDGET(entry_.Item().gobj()));
  gtk_menu_shell_activate_item(GTK_MENU_SHELL(menu_.Submenu()->gobj()),
                               GTK_WIDGET(entry_.Item().gobj()), TRUE);
  EXPECT_EQ(clicked, 1);
  EXPECT_FALSE(menu_.Submenu()->get_mapped());
}

}  // namespace
}  // namespace lumetta
