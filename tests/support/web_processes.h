#pragma once

#include <sys/types.h>

#include <set>

namespace lumetta::test {

// The engine's web processes running for this process, sandboxed or not: every descendant whose
// program is the engine's web process.
std::set<pid_t> WebProcesses();

}  // namespace lumetta::test
