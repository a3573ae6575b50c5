#include "engine/input/shortcut_keys.h"

#include <gdk/gdkkeysyms.h>
#include <gtest/gtest.h>

namespace lumetta {
namespace {

constexpr auto kCtrl = GDK_CONTROL_MASK;
constexpr auto kShift = GDK_SHIFT_MASK;
constexpr auto kAlt = GDK_MOD1_MASK;
// Caps Lock and Num Lock.
constexpr auto kLocks = GdkModifierType(GDK_LOCK_MASK | GDK_MOD2_MASK);

struct KeyCase {
  const char* name;
  guint keyval;
  guint state;
  std::optional<ControlShortcut> shortcut;  // nothing: the page's key
  bool page_first = false;
};

class ShortcutForKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(ShortcutForKeyTest, MapsTheControlsOwnKeys) {
  const KeyCase& key = GetParam();
  const std::optional<ShortcutKey> result = ShortcutForKey(key.keyval, GdkModifierType(key.state));
  ASSERT_EQ(result.has_value(), key.shortcut.has_value());
  if (!result) return;
  EXPECT_EQ(result->shortcut, *key.shortcut);
  EXPECT_EQ(result->page_first, key.page_first);
}

using enum ControlShortcut;
INSTANTIATE_TEST_SUITE_P(
    Keys, ShortcutForKeyTest,
    testing::Values(KeyCase{"AltLeft", GDK_KEY_Left, kAlt, kGoBack},
                    KeyCase{"AltKeypadLeft", GDK_KEY_KP_Left, kAlt | kLocks, kGoBack},
                    KeyCase{"AltRight", GDK_KEY_Right, kAlt, kGoForward},
                    KeyCase{"Esc", GDK_KEY_Escape, 0, kStop, true},
                    KeyCase{"CtrlP", GDK_KEY_p, kCtrl, kPrint, true},
                    KeyCase{"CtrlPWithCapsLock", GDK_KEY_P, kCtrl | GDK_LOCK_MASK, kPrint, true},
                    KeyCase{"CtrlN", GDK_KEY_n, kCtrl, kNewWindow},
                    KeyCase{"CtrlPlus", GDK_KEY_plus, kCtrl | kShift, kZoomIn, true},
                    KeyCase{"CtrlEquals", GDK_KEY_equal, kCtrl, kZoomIn, true},
                    KeyCase{"CtrlKeypadAdd", GDK_KEY_KP_Add, kCtrl | kLocks, kZoomIn, true},
                    KeyCase{"CtrlMinus", GDK_KEY_minus, kCtrl, kZoomOut, true},
                    KeyCase{"CtrlKeypadSubtract", GDK_KEY_KP_Subtract, kCtrl, kZoomOut, true},
                    KeyCase{"Ctrl0", GDK_KEY_0, kCtrl, kZoomReset, true},
                    KeyCase{"CtrlKeypad0", GDK_KEY_KP_0, kCtrl | kLocks, kZoomReset, true},
                    KeyCase{"LeftAlone", GDK_KEY_Left, 0, std::nullopt},
                    KeyCase{"CtrlAltLeft", GDK_KEY_Left, kCtrl | kAlt, std::nullopt},
                    KeyCase{"ShiftEsc", GDK_KEY_Escape, kShift, std::nullopt},
                    KeyCase{"CtrlShiftP", GDK_KEY_P, kCtrl | kShift, std::nullopt},
                    KeyCase{"CtrlShiftN", GDK_KEY_N, kCtrl | kShift, std::nullopt},
                    KeyCase{"CtrlAltPlus", GDK_KEY_plus, kCtrl | kAlt, std::nullopt},
                    KeyCase{"PAlone", GDK_KEY_p, 0, std::nullopt},
                    KeyCase{"F5", GDK_KEY_F5, 0, std::nullopt}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumetta
