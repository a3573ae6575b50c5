#include "tests/support/keystrokes.h"

#include <gtest/gtest.h>

namespace lumetta::test {
namespace {

using Strokes = std::vector<Keystroke>;

TEST(ParseKeystrokesTest, ModifiersHoldForTheNextKeyOnly) {
  const auto ctrl = GDK_CONTROL_MASK;
  EXPECT_EQ(ParseKeystrokes("^f"), (Strokes{{GDK_KEY_f, ctrl}}));
  EXPECT_EQ(ParseKeystrokes("^fg"), (Strokes{{GDK_KEY_f, ctrl}, {GDK_KEY_g, GdkModifierType(0)}}));
  EXPECT_EQ(ParseKeystrokes("+^%a"),
            (Strokes{{GDK_KEY_a, GdkModifierType(GDK_SHIFT_MASK | ctrl | GDK_MOD1_MASK)}}));
  EXPECT_EQ(ParseKeystrokes("中"), (Strokes{{gdk_unicode_to_keyval(0x4E2D), GdkModifierType(0)}}));
}

TEST(ParseKeystrokesTest, BracesNameKeysOrHoldOneCharacter) {
  const auto none = GdkModifierType(0);
  EXPECT_EQ(ParseKeystrokes("%{LEFT}{ESC}"),
            (Strokes{{GDK_KEY_Left, GDK_MOD1_MASK}, {GDK_KEY_Escape, none}}));
  EXPECT_EQ(ParseKeystrokes("^{+}{}}{中}"), (Strokes{{GDK_KEY_plus, GDK_CONTROL_MASK},
                                                     {GDK_KEY_braceright, none},
                                                     {gdk_unicode_to_keyval(0x4E2D), none}}));
}

TEST(ParseKeystrokesTest, UnreadableSequencesGiveNothing) {
  EXPECT_TRUE(ParseKeystrokes("{LEFT").empty());
  EXPECT_TRUE(ParseKeystrokes("{NOSUCHKEY}").empty());
  EXPECT_TRUE(ParseKeystrokes("{}").empty());
  EXPECT_TRUE(ParseKeystrokes("").empty());
  EXPECT_TRUE(ParseKeystrokes("^").empty());
  EXPECT_TRUE(ParseKeystrokes("a^").empty());
  EXPECT_TRUE(ParseKeystrokes("\xff").empty());
}

}  // namespace
}  // namespace lumetta::test
