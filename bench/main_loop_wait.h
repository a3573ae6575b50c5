#pragma once

#include <glib.h>

#include <functional>

namespace lumetta::bench {

// Milliseconds on the monotonic clock.
inline double NowMs() { return g_get_monotonic_time() / 1000.0; }

// Runs the main loop until `condition` holds or `timeout_ms` has passed; gives the condition.
inline bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 20000) {
  const double deadline = NowMs() + timeout_ms;
  while (!condition()) {
    if (NowMs() > deadline) return false;
    g_main_context_iteration(nullptr, TRUE);
  }
  return true;
}

}  // namespace lumetta::bench
