#include "app/do_events.h"

#include <glib.h>

#include <utility>
#include <vector>

namespace lumetta {

namespace {

int yield_depth = 0;
YieldTally tally;
std::vector<std::pair<void (*)(void*), void*>> deferred;
bool idle_scheduled = false;

// A source that keeps itself pending (an animation, a busy page) must not hold the caller forever.
constexpr int kMaxIterations = 10000;

gboolean RunDeferred(gpointer) {
  idle_scheduled = false;
  if (yield_depth > 0) return G_SOURCE_REMOVE;  // the last YieldScope to end schedules it again
  auto tasks = std::move(deferred);
  deferred.clear();
  for (auto& [task, data] : tasks) task(data);
  return G_SOURCE_REMOVE;
}

void ScheduleDeferred() {
  if (idle_scheduled || deferred.empty()) return;
  idle_scheduled = true;
  g_idle_add(&RunDeferred, nullptr);
}

}  // namespace

YieldScope::YieldScope() { ++yield_depth; }

YieldScope::~YieldScope() {
  if (--yield_depth == 0) ScheduleDeferred();
}

void DoEvents() {
  const bool outermost = yield_depth == 0;
  const auto start = std::chrono::steady_clock::now();
  {
    YieldScope scope;
    for (int i = 0; i < kMaxIterations && g_main_context_pending(nullptr); ++i) {
      g_main_context_iteration(nullptr, FALSE);
    }
  }
  ++tally.count;
  if (outermost) tally.time += std::chrono::steady_clock::now() - start;
}

bool RunUntil(const std::function<bool()>& finished, unsigned timeout_ms) {
  YieldScope scope;
  bool timed_out = false;
  const guint timer = g_timeout_add(
      timeout_ms,
      [](gpointer flag) -> gboolean {
        *static_cast<bool*>(flag) = true;
        return G_SOURCE_REMOVE;
      },
      &timed_out);
  while (!finished() && !timed_out) g_main_context_iteration(nullptr, TRUE);
  if (!timed_out) g_source_remove(timer);
  return finished();
}

YieldTally Yields() { return tally; }

void RunAfterYields(void (*task)(void*), void* data) {
  deferred.emplace_back(task, data);
  if (yield_depth == 0) ScheduleDeferred();
}

void CancelAfterYields(void (*task)(void*), void* data) {
  std::erase(deferred, std::make_pair(task, data));
}

}  // namespace lumetta
