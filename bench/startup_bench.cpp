// Measures lumetta against the bare WebKitGTK window, as ratios: see README.md.
//
//   startup_bench --lumetta PATH --bare PATH [--runs N]

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
#include "scratch_profile.h"

namespace lumetta::bench {
namespace {

using std::chrono_literals::operator""s;

constexpr int kDefaultRuns = 11;
constexpr int kMaxRuns = 1000;
constexpr auto kStartupLimit = 20s;

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

// From creating the process to the server receiving /loaded from the page it opened.
Sample MeasureStartup(const std::string& program) {
  ScratchProfile profile;
  if (!profile.error().empty()) return {std::nullopt, profile.error()};
  // A server of its own per run: a late request from an earlier run cannot end this one.
  LoopbackServer server;
  if (!server.error().empty()) return {std::nullopt, server.error()};
  server.AddPage("/", std::string(kStartupPage));
  std::optional<Clock::time_point> loaded;
  server.AddBeacon("/loaded", [&loaded] {
    if (!loaded) loaded = Clock::now();
  });

  ChildProcess child;
  std::string error;
  if (!child.Start({program, server.Url("/")}, profile.Environment(),
                   (profile.root() / "output.log").string(), &error)) {
    return {std::nullopt, error};
  }
  const ChildProcess::WaitEnd end =
      child.RunUntil([&loaded] { return loaded.has_value(); }, child.start_time() + kStartupLimit);
  child.Stop();

  std::string failure;
  switch (end) {
    case ChildProcess::WaitEnd::kDone:
      return {std::chrono::duration<double, std::milli>(*loaded - child.start_time()).count(), ""};
    case ChildProcess::WaitEnd::kExited:
      failure = "exited before loading, " + child.exit_description();
      break;
    case ChildProcess::WaitEnd::kTimedOut:
      failure = "no /loaded within " + std::to_string(kStartupLimit.count()) + " s";
      break;
    case ChildProcess::WaitEnd::kInterrupted:
      return {std::nullopt, "interrupted"};
  }
  const std::string output = child.LastOutputLine();
  if (!output.empty()) failure += "; last output: " + output;
  return {std::nullopt, failure};
}

constexpr Benchmark kBenchmarks[] = {
    {"startup", "ms", MeasureStartup},
};

void PrintUsage(const char* self) {
  std::fprintf(stderr, "usage: %s --lumetta PATH --bare PATH [--runs N]\n", self);
}

int Main(int argc, char** argv) {
  Programs programs;
  int runs = kDefaultRuns;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (i + 1 == argc) {
      PrintUsage(argv[0]);
      return 2;
    }
    const char* value = argv[++i];
    if (option == "--lumetta") {
      programs.lumetta = value;
    } else if (option == "--bare") {
      programs.bare = value;
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
  if (programs.lumetta.empty() || programs.bare.empty()) {
    PrintUsage(argv[0]);
    return 2;
  }

  // Progress shows line by line even when the output goes to a pipe (a build tool).
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  CatchInterrupts();
  int failures = 0;
  for (const Benchmark& benchmark : kBenchmarks) {
    failures += RunComparison(benchmark, programs, runs);
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
