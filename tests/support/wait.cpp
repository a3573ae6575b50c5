#include "tests/support/wait.h"

#include <glib.h>

namespace lumetta::test {

bool WaitUntil(const std::function<bool()>& condition, int timeout_ms) {
  const gint64 deadline = g_get_monotonic_time() + gint64{timeout_ms} * 1000;
  while (!condition()) {
    if (g_get_monotonic_time() >= deadline) return false;
    g_main_context_iteration(nullptr, FALSE);
    if (!g_main_context_pending(nullptr)) g_usleep(1000);
  }
  return true;
}

void RunFor(int ms) {
  WaitUntil([] { return false; }, ms);
}

}  // namespace lumetta::test
