#include "engine/pop_up_gate.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

TEST(PopUpGateTest, OneWindowPerGesture) {
  PopUpGate gate;
  gate.CountGesture();
  EXPECT_TRUE(gate.Admit(true));
  // The same click asking again, a hundred times.
  for (int i = 0; i < 100; ++i) EXPECT_FALSE(gate.Admit(true));
  gate.CountGesture();
  EXPECT_TRUE(gate.Admit(true));
}

TEST(PopUpGateTest, RequestsOutsideAGestureAreTheEngines) {
  PopUpGate gate;
  EXPECT_TRUE(gate.Admit(false));
  EXPECT_TRUE(gate.Admit(false));
  gate.CountGesture();
  EXPECT_TRUE(gate.Admit(true));
}

}  // namespace
}  // namespace lumetta
