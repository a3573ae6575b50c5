// Typing into the address box as a user does: completion lists, input methods, switching
// windows and applications.
#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>
#include <gtkmm/settings.h>

#include "platform/platform.h"
#include "platform/url_history.h"
#include "tests/support/temp_dir.h"
#include "tests/support/wait.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

using Calls = std::vector<std::string>;

void SendKey(Gtk::Widget& widget, guint keyval, guint state = 0,
             GdkEventType type = GDK_KEY_PRESS) {
  GdkEvent* event = gdk_event_new(type);
  event->key.window = GDK_WINDOW(g_object_ref(widget.get_toplevel()->get_window()->gobj()));
  event->key.keyval = keyval;
  event->key.state = state;
  event->key.time = GDK_CURRENT_TIME;
  GdkKeymapKey* keys = nullptr;
  gint count = 0;
  if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(gdk_display_get_default()),
                                        keyval, &keys, &count) &&
      count > 0) {
    event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
  }
  g_free(keys);
  gdk_event_set_device(
      event, gdk_seat_get_keyboard(gdk_display_get_default_seat(gdk_display_get_default())));
  // As the display delivers it: to the window, which hands it to its focus widget.
  gtk_main_do_event(event);
  gdk_event_free(event);
}

// The window gains or loses the desktop's focus, as when the user switches applications.
void SetWindowFocus(Gtk::Window& window, bool in) {
  GdkEvent* event = gdk_event_new(GDK_FOCUS_CHANGE);
  event->focus_change.window = GDK_WINDOW(g_object_ref(window.get_window()->gobj()));
  event->focus_change.in = in;
  gtk_widget_send_focus_change(GTK_WIDGET(window.gobj()), event);
  gdk_event_free(event);
}

class TypingTest : public test::WindowTest {
 protected:
  TypingTest() { ThePlatform().url_history = &history_; }
  ~TypingTest() override { ThePlatform().url_history = nullptr; }

  frmMain& OpenFocusedWindow() {
    frmMain& form = OpenWindow();
    form.Window().present();
    form.txtURL.SetFocus();
    EXPECT_TRUE(test::WaitUntil([&] { return form.txtURL.HasFocus(); }, 2000));
    return form;
  }

  test::TempDir temp_;
  FileUrlHistory history_{temp_.Path() + "/history"};
};

TEST_F(TypingTest, EnterOnAHighlightedSuggestionOpensTheSuggestion) {
  history_.Record("http://a.example/x");
  frmMain& form = OpenFocusedWindow();
  Gtk::Entry& box = form.txtURL.Entry();
  box.set_text("");
  for (guint key : {GDK_KEY_a, GDK_KEY_period, GDK_KEY_e, GDK_KEY_x}) SendKey(box, key);
  // The list drops down a moment after the typing stops.
  test::RunFor(500);
  SendKey(box, GDK_KEY_Down);
  EXPECT_EQ(box.get_text(), "http://a.example/x");
  SendKey(box, GDK_KEY_Return);
  EXPECT_EQ(Fake(form).Navigations(), Calls{"http://a.example/x"});
}

TEST_F(TypingTest, EnterWhileAnInputMethodComposesOnlyEndsTheComposition) {
  Gtk::Settings::get_default()->property_gtk_im_module() = "gtk-im-context-simple";
  frmMain& form = OpenFocusedWindow();
  Gtk::Entry& box = form.txtURL.Entry();
  box.set_text("");
  // GTK's own input method: Ctrl+Shift+U, the code point, Enter.
  SendKey(box, GDK_KEY_U, GDK_CONTROL_MASK | GDK_SHIFT_MASK);
  SendKey(box, GDK_KEY_Shift_L, GDK_CONTROL_MASK | GDK_SHIFT_MASK, GDK_KEY_RELEASE);
  SendKey(box, GDK_KEY_Control_L, GDK_CONTROL_MASK, GDK_KEY_RELEASE);
  for (guint digit : {GDK_KEY_4, GDK_KEY_e, GDK_KEY_2, GDK_KEY_d}) SendKey(box, digit);
  SendKey(box, GDK_KEY_Return);
  EXPECT_EQ(box.get_text(), "中");
  EXPECT_TRUE(Fake(form).Navigations().empty());
  SendKey(box, GDK_KEY_Return);
  EXPECT_EQ(Fake(form).Navigations(), Calls{"中"});
}

TEST_F(TypingTest, FocusComingBackFromAnotherApplicationKeepsTheSelection) {
  frmMain& form = OpenFocusedWindow();
  Gtk::Entry& box = form.txtURL.Entry();
  box.set_text("http://half.exa");
  box.set_position(-1);
  SetWindowFocus(form.Window(), false);
  SetWindowFocus(form.Window(), true);
  int start = 0;
  int end = 0;
  EXPECT_FALSE(box.get_selection_bounds(start, end)) << start << "-" << end;

  // Another window of the program in between: the box is entered anew.
  frmMain& other = OpenWindow();
  SetWindowFocus(form.Window(), false);
  SetWindowFocus(other.Window(), true);
  SetWindowFocus(other.Window(), false);
  SetWindowFocus(form.Window(), true);
  ASSERT_TRUE(box.get_selection_bounds(start, end));
  EXPECT_EQ(end - start, 15);
}

}  // namespace
}  // namespace lumetta
