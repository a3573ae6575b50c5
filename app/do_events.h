#pragma once

#include <chrono>
#include <functional>

namespace lumetta {

// Runs the main context until nothing is pending, then returns. Any window may be closed while
// this runs: callers that touch their window afterwards check it is still open first.
void DoEvents();

// Runs the main loop until `finished()` holds or `timeout_ms` has passed, and gives finished().
// Windows that close meanwhile are destroyed only after the caller has returned.
bool RunUntil(const std::function<bool()>& finished, unsigned timeout_ms);

// How often DoEvents has run in this process and the time the main loop ran in it, a yield
// inside another counted once: what a routine that yields did itself is its whole time less the
// yields'.
struct YieldTally {
  long count = 0;
  std::chrono::steady_clock::duration time{};
};
YieldTally Yields();

// Marks a stretch in which the main loop runs nested (DoEvents, modal dialogs). Closed windows
// are destroyed only when no such stretch is on the stack, so a handler that yielded never
// returns into a destroyed object.
class YieldScope {
 public:
  YieldScope();
  ~YieldScope();
  YieldScope(const YieldScope&) = delete;
  YieldScope& operator=(const YieldScope&) = delete;
};

// Runs `task` from the main loop once no yield is on the stack: the place to destroy objects
// whose handlers may still be running further up.
void RunAfterYields(void (*task)(void*), void* data);
// Forgets every pending `task` for `data`, for an owner that goes away first.
void CancelAfterYields(void (*task)(void*), void* data);

}  // namespace lumetta
