#include "engine/input/shortcut_keys.h"

#include <gdk/gdkkeysyms.h>

namespace lumetta {

namespace {

// Shift, Ctrl and Alt: Caps Lock and Num Lock do not change a shortcut.
constexpr guint kModifiers = GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK;

}  // namespace

std::optional<ShortcutKey> ShortcutForKey(guint keyval, GdkModifierType state) {
  const guint modifiers = state & kModifiers;
  const guint key = gdk_keyval_to_lower(keyval);
  if (modifiers == GDK_MOD1_MASK) {
    if (key == GDK_KEY_Left || key == GDK_KEY_KP_Left) {
      return ShortcutKey{ControlShortcut::kGoBack, false};
    }
    if (key == GDK_KEY_Right || key == GDK_KEY_KP_Right) {
      return ShortcutKey{ControlShortcut::kGoForward, false};
    }
    return std::nullopt;
  }
  if (modifiers == 0) {
    if (key == GDK_KEY_Escape) return ShortcutKey{ControlShortcut::kStop, true};
    return std::nullopt;
  }
  if ((modifiers & ~GDK_SHIFT_MASK) != GDK_CONTROL_MASK) return std::nullopt;
  // Plus is a shifted key on most keyboards: Shift may be held for the zoom keys.
  switch (key) {
    case GDK_KEY_plus:
    case GDK_KEY_equal:
    case GDK_KEY_KP_Add:
      return ShortcutKey{ControlShortcut::kZoomIn, true};
    case GDK_KEY_minus:
    case GDK_KEY_KP_Subtract:
      return ShortcutKey{ControlShortcut::kZoomOut, true};
    default:
      break;
  }
  if (modifiers != GDK_CONTROL_MASK) return std::nullopt;
  switch (key) {
    case GDK_KEY_0:
    case GDK_KEY_KP_0:
      return ShortcutKey{ControlShortcut::kZoomReset, true};
    case GDK_KEY_p:
      return ShortcutKey{ControlShortcut::kPrint, true};
    case GDK_KEY_n:
      return ShortcutKey{ControlShortcut::kNewWindow, false};
    default:
      return std::nullopt;
  }
}

}  // namespace lumetta
