// Measures lumetta against the bare WebKitGTK window, the bare window's sandbox against none,
// and lumetta's second launch against its first, as ratios; and the memory of two windows
// opened by two launches, in one browser and in two: see README.md.
//
//   startup_bench --lumetta PATH --bare PATH [--runs N] [--only NAME]

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "child_process.h"
#include "comparison.h"
#include "loopback_server.h"
#include "process_memory.h"
#include "scratch_profile.h"
#include "session_bus.h"

namespace lumetta::bench {
namespace {

using std::chrono_literals::operator""s;

constexpr int kDefaultRuns = 11;
constexpr int kMaxRuns = 1000;
constexpr auto kStartupLimit = 20s;
// How long a started program is left alone before a second launch or before its memory is
// taken.
constexpr auto kSettleTime = 2s;

// Chinese title and text, so that start-up includes loading the CJK fonts the interface uses.
// The load handler calls back, which is the moment the measurement ends.
constexpr std::string_view kStartupPage = R"(<!DOCTYPE html>
<html lang="zh-CN">
<head><meta charset="utf-8"><title>琉梅塔启动测试</title></head>
<body>
<h1>琉梅塔启动测试</h1>
<p>这一页载入完成后通知服务器。从创建进程到服务器收到通知的时间，就是一次启动测量。</p>
<script>addEventListener('load', () => fetch('/loaded'));</script>
</body>
</html>
)";

// The page a run opens, under `path`, reporting its load to `beacon`.
void ServeStartupPage(LoopbackServer& server, const std::string& path, const std::string& beacon,
                      std::optional<Clock::time_point>& loaded) {
  std::string page(kStartupPage);
  page.replace(page.find("/loaded"), 7, beacon);
  server.AddPage(path, page);
  server.AddBeacon(beacon, [&loaded] {
    if (!loaded) loaded = Clock::now();
  });
}

// Why a wait for a page ended without it.
std::string Failure(ChildProcess::WaitEnd end, const ChildProcess& child) {
  std::string failure;
  switch (end) {
    case ChildProcess::WaitEnd::kDone:
      return "";
    case ChildProcess::WaitEnd::kExited:
      failure = "exited before loading, " + child.exit_description();
      break;
    case ChildProcess::WaitEnd::kTimedOut:
      failure = "no page loaded within " + std::to_string(kStartupLimit.count()) + " s";
      break;
    case ChildProcess::WaitEnd::kInterrupted:
      return "interrupted";
  }
  const std::string output = child.LastOutputLine();
  if (!output.empty()) failure += "; last output: " + output;
  return failure;
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// Everything one run needs: a fresh profile, a session bus and a server of its own (a late
// request from an earlier run cannot end this one).
struct Run {
  ScratchProfile profile;
  SessionBus bus;
  LoopbackServer server;

  std::string Error() const {
    for (const std::string* error : {&profile.error(), &bus.error(), &server.error()}) {
      if (!error->empty()) return *error;
    }
    return "";
  }
  // Starts `command` on `url`, its output going to the profile's `log`.
  bool Start(ChildProcess& child, const std::vector<std::string>& command, const std::string& url,
             const std::vector<std::string>& env, const std::string& log, std::string* error) {
    std::vector<std::string> argv = command;
    argv.push_back(url);
    return child.Start(argv, env, (profile.root() / log).string(), error);
  }
};

// From creating the process to the server receiving /loaded from the page it opened.
Sample MeasureStartup(const std::vector<std::string>& command) {
  Run run;
  if (const std::string error = run.Error(); !error.empty()) return {std::nullopt, error};
  std::optional<Clock::time_point> loaded;
  ServeStartupPage(run.server, "/", "/loaded", loaded);
  ChildProcess child;
  std::string error;
  if (!run.Start(child, command, run.server.Url("/"),
                 run.bus.Environment(run.profile.Environment()), "output.log", &error)) {
    return {std::nullopt, error};
  }
  const ChildProcess::WaitEnd end =
      child.RunUntil([&loaded] { return loaded.has_value(); }, child.start_time() + kStartupLimit);
  child.Stop();
  if (end != ChildProcess::WaitEnd::kDone) return {std::nullopt, Failure(end, child)};
  return {Milliseconds(*loaded - child.start_time()), ""};
}

// With the program running on one page and settled, from creating a second process with
// another address to that page being loaded (in whichever process shows it). The second
// process must end with status 0.
Sample MeasureSecondLaunch(const std::vector<std::string>& command) {
  Run run;
  if (const std::string error = run.Error(); !error.empty()) return {std::nullopt, error};
  std::optional<Clock::time_point> first_loaded;
  std::optional<Clock::time_point> second_loaded;
  ServeStartupPage(run.server, "/", "/loaded", first_loaded);
  ServeStartupPage(run.server, "/second", "/loaded-second", second_loaded);
  const std::vector<std::string> env = run.bus.Environment(run.profile.Environment());
  ChildProcess first;
  std::string error;
  if (!run.Start(first, command, run.server.Url("/"), env, "first.log", &error)) {
    return {std::nullopt, error};
  }
  ChildProcess::WaitEnd end =
      first.RunUntil([&] { return first_loaded.has_value(); }, first.start_time() + kStartupLimit);
  if (end != ChildProcess::WaitEnd::kDone) return {std::nullopt, "first: " + Failure(end, first)};
  // A further launch comes to a browser that has finished its start.
  first.RunUntil([] { return false; }, Clock::now() + kSettleTime);
  ChildProcess second;
  if (!run.Start(second, command, run.server.Url("/second"), env, "second.log", &error)) {
    return {std::nullopt, error};
  }
  end = first.RunUntil([&] { return second_loaded.has_value(); },
                       second.start_time() + kStartupLimit);
  if (end != ChildProcess::WaitEnd::kDone) return {std::nullopt, "first: " + Failure(end, first)};
  const double figure = Milliseconds(*second_loaded - second.start_time());
  end = second.RunUntil([] { return false; }, Clock::now() + kStartupLimit);
  if (end != ChildProcess::WaitEnd::kExited || second.exit_description() != "exit status 0") {
    return {std::nullopt, "second launch did not end with status 0: " + Failure(end, second)};
  }
  return {figure, ""};
}

// The program started twice on two pages, with or without a session bus: the proportional
// memory of every process of both launches, once both pages have loaded and settled, in MiB.
Sample MeasureTwoLaunches(const std::vector<std::string>& command, bool with_bus) {
  Run run;
  if (const std::string error = run.Error(); !error.empty()) return {std::nullopt, error};
  std::optional<Clock::time_point> first_loaded;
  std::optional<Clock::time_point> second_loaded;
  ServeStartupPage(run.server, "/", "/loaded", first_loaded);
  ServeStartupPage(run.server, "/second", "/loaded-second", second_loaded);
  const std::vector<std::string> env = with_bus ? run.bus.Environment(run.profile.Environment())
                                                : SessionBus::WithoutBus(run.profile.Environment());
  ChildProcess first;
  ChildProcess second;
  std::string error;
  if (!run.Start(first, command, run.server.Url("/"), env, "first.log", &error)) {
    return {std::nullopt, error};
  }
  ChildProcess::WaitEnd end =
      first.RunUntil([&] { return first_loaded.has_value(); }, first.start_time() + kStartupLimit);
  if (end != ChildProcess::WaitEnd::kDone) return {std::nullopt, "first: " + Failure(end, first)};
  if (!run.Start(second, command, run.server.Url("/second"), env, "second.log", &error)) {
    return {std::nullopt, error};
  }
  end = first.RunUntil([&] { return second_loaded.has_value(); },
                       second.start_time() + kStartupLimit);
  if (end != ChildProcess::WaitEnd::kDone) return {std::nullopt, "first: " + Failure(end, first)};
  first.RunUntil([] { return false; }, Clock::now() + kSettleTime);
  long kb = TreeResidentKb(first.pid());
  if (!with_bus) kb += TreeResidentKb(second.pid());
  return {kb / 1024.0, ""};
}

Sample MeasureTwoBrowsers(const std::vector<std::string>& command) {
  return MeasureTwoLaunches(command, false);
}

Sample MeasureOneBrowser(const std::vector<std::string>& command) {
  return MeasureTwoLaunches(command, true);
}

struct Comparison {
  const char* name;
  const char* unit;
  Contender base;
  Contender subject;
};

void PrintUsage(const char* self) {
  std::fprintf(stderr, "usage: %s --lumetta PATH --bare PATH [--runs N] [--only NAME]\n", self);
}

int Main(int argc, char** argv) {
  std::string lumetta;
  std::string bare;
  // The one comparison to make; all of them when empty.
  std::string only;
  int runs = kDefaultRuns;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 == argc) {
      PrintUsage(argv[0]);
      return 2;
    }
    const char* value = argv[++i];
    if (option == "--lumetta") {
      lumetta = value;
    } else if (option == "--bare") {
      bare = value;
    } else if (option == "--only") {
      only = value;
    } else if (option == "--runs") {
      const char* end = value + std::strlen(value);
      const auto [rest, ec] = std::from_chars(value, end, runs);
      if (ec != std::errc() || rest != end || runs < 1 || runs > kMaxRuns) {
        std::fprintf(stderr, "--runs takes a whole number from 1 to %d\n", kMaxRuns);
        return 2;
      }
    } else {
      PrintUsage(argv[0]);
      return 2;
    }
  }
  if (lumetta.empty() || bare.empty()) {
    PrintUsage(argv[0]);
    return 2;
  }

  // Progress shows line by line even when the output goes to a pipe (a build tool).
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  CatchInterrupts();
  const Contender bare_cold{"bare", {bare}, MeasureStartup};
  const Comparison comparisons[] = {
      {"startup", "ms", bare_cold, {"lumetta", {lumetta}, MeasureStartup}},
      {"sandbox", "ms", bare_cold, {"bare+sandbox", {bare, "--sandbox"}, MeasureStartup}},
      {"second-launch",
       "ms",
       {"first", {lumetta}, MeasureStartup},
       {"second", {lumetta}, MeasureSecondLaunch}},
      {"two-launches",
       "MiB",
       {"two-browsers", {lumetta}, MeasureTwoBrowsers},
       {"one-browser", {lumetta}, MeasureOneBrowser}},
  };
  if (!only.empty() && std::ranges::none_of(comparisons, [&only](const Comparison& comparison) {
        return only == comparison.name;
      })) {
    std::fprintf(stderr, "no comparison is named %s\n", only.c_str());
    return 2;
  }
  int failures = 0;
  for (const Comparison& comparison : comparisons) {
    if (!only.empty() && only != comparison.name) continue;
    failures +=
        RunComparison(comparison.name, comparison.unit, comparison.base, comparison.subject, runs);
    if (Interrupted()) {
      std::fprintf(stderr, "interrupted\n");
      return 130;
    }
  }
  if (failures > 0) {
    std::fprintf(stderr, "%d run(s) failed\n", failures);
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace lumetta::bench

int main(int argc, char** argv) { return lumetta::bench::Main(argc, argv); }
