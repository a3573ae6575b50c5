#include "tests/support/keystrokes.h"

#include <gtkmm/window.h>

#include <cstring>
#include <string>

namespace lumetta::test {

namespace {

struct Modifier {
  char symbol;
  GdkModifierType mask;
  guint keyval;
};

constexpr Modifier kModifiers[] = {
    {'^', GDK_CONTROL_MASK, GDK_KEY_Control_L},
    {'+', GDK_SHIFT_MASK, GDK_KEY_Shift_L},
    {'%', GDK_MOD1_MASK, GDK_KEY_Alt_L},
};

struct NamedKey {
  const char* name;
  guint keyval;
};

constexpr NamedKey kNamedKeys[] = {
    {"LEFT", GDK_KEY_Left},  {"RIGHT", GDK_KEY_Right},  {"UP", GDK_KEY_Up},
    {"ESC", GDK_KEY_Escape}, {"ENTER", GDK_KEY_Return}, {"TAB", GDK_KEY_Tab},
    {"F5", GDK_KEY_F5},      {"ADD", GDK_KEY_KP_Add},   {"SUBTRACT", GDK_KEY_KP_Subtract},
};

// The key of the braced name at `text` ("{LEFT}", "{+}", "{}}"); 0 when there is none.
// `end` gets the position after the closing brace.
guint BracedKey(const char* text, const char** end) {
  // The name has one character at least, so "{}}" is the brace itself.
  const char* close = text[1] == '\0' ? nullptr : std::strchr(text + 2, '}');
  if (close == nullptr) return 0;
  const std::string name(text + 1, close);
  *end = close + 1;
  if (g_utf8_strlen(name.c_str(), -1) == 1)
    return gdk_unicode_to_keyval(g_utf8_get_char(name.c_str()));
  for (const NamedKey& key : kNamedKeys) {
    if (name == key.name) return key.keyval;
  }
  return 0;
}

const Modifier* ModifierOf(char symbol) {
  for (const Modifier& modifier : kModifiers) {
    if (modifier.symbol == symbol) return &modifier;
  }
  return nullptr;
}

GtkWindow* ActiveWindow() {
  GList* toplevels = gtk_window_list_toplevels();
  GtkWindow* active = nullptr;
  for (GList* item = toplevels; item != nullptr && active == nullptr; item = item->next) {
    GtkWindow* window = GTK_WINDOW(item->data);
    if (gtk_window_is_active(window) && gtk_widget_get_mapped(GTK_WIDGET(window))) {
      active = window;
    }
  }
  g_list_free(toplevels);
  return active;
}

// Queues one key event for `window` as the keyboard would deliver it.
void PutKeyEvent(GdkWindow* window, GdkEventType type, guint keyval, GdkModifierType state) {
  GdkDisplay* display = gdk_window_get_display(window);
  GdkEvent* event = gdk_event_new(type);
  event->key.window = GDK_WINDOW(g_object_ref(window));
  event->key.send_event = FALSE;
  event->key.time = GDK_CURRENT_TIME;
  event->key.state = state;
  event->key.keyval = keyval;
  // Accelerators match on the hardware keycode; without it they never fire.
  GdkKeymapKey* entries = nullptr;
  gint count = 0;
  if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &entries,
                                        &count) &&
      count > 0) {
    event->key.hardware_keycode = static_cast<guint16>(entries[0].keycode);
    event->key.group = static_cast<guint8>(entries[0].group);
  }
  g_free(entries);
  event->key.is_modifier =
      keyval == GDK_KEY_Control_L || keyval == GDK_KEY_Shift_L || keyval == GDK_KEY_Alt_L;
  gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
  gdk_display_put_event(display, event);
  gdk_event_free(event);
}

}  // namespace

std::vector<Keystroke> ParseKeystrokes(const std::string& keys) {
  if (!g_utf8_validate(keys.data(), static_cast<gssize>(keys.size()), nullptr)) return {};
  std::vector<Keystroke> strokes;
  auto held = GdkModifierType(0);
  for (const char* p = keys.c_str(); *p != '\0';) {
    if (const Modifier* modifier = ModifierOf(*p)) {
      held = GdkModifierType(held | modifier->mask);
      ++p;
      continue;
    }
    guint keyval = 0;
    if (*p == '{') {
      keyval = BracedKey(p, &p);
      if (keyval == 0) return {};
    } else {
      keyval = gdk_unicode_to_keyval(g_utf8_get_char(p));
      p = g_utf8_next_char(p);
    }
    strokes.push_back({keyval, held});
    held = GdkModifierType(0);
  }
  if (held != 0) return {};
  return strokes;
}

bool SendKeys(const std::string& keys, Gtk::Window& fallback) {
  const std::vector<Keystroke> strokes = ParseKeystrokes(keys);
  GtkWindow* target = ActiveWindow();
  if (target == nullptr) target = fallback.gobj();
  GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(target));
  if (strokes.empty() || window == nullptr) return false;
  for (const Keystroke& stroke : strokes) {
    auto held = GdkModifierType(0);
    for (const Modifier& modifier : kModifiers) {
      if ((stroke.state & modifier.mask) == 0) continue;
      PutKeyEvent(window, GDK_KEY_PRESS, modifier.keyval, held);
      held = GdkModifierType(held | modifier.mask);
    }
    PutKeyEvent(window, GDK_KEY_PRESS, stroke.keyval, held);
    PutKeyEvent(window, GDK_KEY_RELEASE, stroke.keyval, held);
    for (auto it = std::rbegin(kModifiers); it != std::rend(kModifiers); ++it) {
      if ((stroke.state & it->mask) == 0) continue;
      PutKeyEvent(window, GDK_KEY_RELEASE, it->keyval, held);
      held = GdkModifierType(held & ~it->mask);
    }
  }
  return true;
}

}  // namespace lumetta::test
