#pragma once

#include <cstdint>
#include <optional>

namespace lumetta {

// Which of a page's requests for a new window get one. The engine lets a page open windows only
// during a user's gesture, but as many as it asks for then: one click could open hundreds. The
// first request of a gesture gets a window. Requests outside a gesture are left to the engine,
// which refuses those of scripts.
class PopUpGate {
 public:
  // The user pressed a key or a button in the page, or ran a bookmarklet on it.
  void CountGesture() { ++gestures_; }
  // Whether a request may open a window; an admitted gesture's request uses the gesture up.
  bool Admit(bool user_gesture);

 private:
  uint64_t gestures_ = 0;
  std::optional<uint64_t> gesture_with_window_;
};

}  // namespace lumetta
