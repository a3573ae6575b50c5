#pragma once

#include <functional>

namespace lumetta::test {

// Runs the main loop until `condition` holds or `timeout_ms` has passed; gives the condition.
bool WaitUntil(const std::function<bool()>& condition, int timeout_ms = 10000);

// Runs the main loop for `ms` milliseconds, for checks that something does not happen.
void RunFor(int ms);

}  // namespace lumetta::test
