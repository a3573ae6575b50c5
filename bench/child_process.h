#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lumetta::bench {

using Clock = std::chrono::steady_clock;

// Makes SIGINT, SIGTERM and SIGHUP end the current wait instead of the bench, so that the
// programs it started are stopped and their scratch folders removed before it exits.
void CatchInterrupts();
bool Interrupted();

// A program under test, started in a process group of its own so that stopping it also stops
// the helper processes it starts (WebKit's web and network processes).
class ChildProcess {
 public:
  enum class WaitEnd { kDone, kExited, kTimedOut, kInterrupted };

  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();  // Stop()

  // Starts argv[0] with `argv` and the environment `env` ("NAME=value" entries), without a
  // shell. Standard input reads /dev/null; standard output and error go to the file `log_path`.
  // Returns false and sets `error` when the program cannot be started. Call it once.
  bool Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
             const std::string& log_path, std::string* error);

  // The program's process, which leads its group; -1 before Start and after Stop.
  pid_t pid() const { return pid_; }
  // The moment just before the process was created: where start-up timings begin.
  Clock::time_point start_time() const { return start_time_; }

  // Runs the default GLib main context until `done()` holds, the program exits, `deadline`
  // passes or the bench is interrupted, whichever comes first (checked in that order).
  WaitEnd RunUntil(const std::function<bool()>& done, Clock::time_point deadline);

  // How the program ended, e.g. "exit status 1"; empty until it has been reaped.
  const std::string& exit_description() const { return exit_description_; }
  // The last non-blank line the program wrote, often the reason it failed.
  std::string LastOutputLine() const;

  // Sends SIGTERM to the whole group, SIGKILL to what is left two seconds later, and returns
  // once every process of the group has been reaped. Does nothing when nothing runs.
  void Stop();

 private:
  // Reaps the leader if it has exited, without waiting; true once it has.
  bool LeaderExited();
  // Reaps the ended processes of the group, waiting for all of them when `block`; true once
  // none is left.
  bool ReapGroup(bool block);
  void NoteExit(int status);

  pid_t pid_ = -1;
  bool leader_reaped_ = false;
  std::string log_path_;
  Clock::time_point start_time_;
  std::string exit_description_;
};

}  // namespace lumetta::bench
