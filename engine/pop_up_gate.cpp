#include "engine/pop_up_gate.h"

namespace lumetta {

bool PopUpGate::Admit(bool user_gesture) {
  if (!user_gesture) return true;
  if (gesture_with_window_ == gestures_) return false;
  gesture_with_window_ = gestures_;
  return true;
}

}  // namespace lumetta
