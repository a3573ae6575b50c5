#include "child_process.h"

#include <fcntl.h>
#include <glib-unix.h>
#include <glib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <thread>

namespace lumetta::bench {
namespace {

using std::chrono_literals::operator""ms;
using std::chrono_literals::operator""s;

constexpr auto kStopGrace = 2s;
constexpr auto kReapPoll = 10ms;
// Neither an exit nor the deadline wakes the main context, so a tick does.
constexpr guint kWakeTickMs = 50;

bool interrupted = false;

gboolean OnInterrupt(gpointer) {
  interrupted = true;
  return G_SOURCE_CONTINUE;
}

std::vector<char*> CArgs(const std::vector<std::string>& strings) {
  std::vector<char*> args;
  args.reserve(strings.size() + 1);
  for (const std::string& s : strings) args.push_back(const_cast<char*>(s.c_str()));
  args.push_back(nullptr);
  return args;
}

}  // namespace

void CatchInterrupts() {
  for (int signum : {SIGINT, SIGTERM, SIGHUP}) g_unix_signal_add(signum, OnInterrupt, nullptr);
}

bool Interrupted() { return interrupted; }

ChildProcess::~ChildProcess() { Stop(); }

bool ChildProcess::Start(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                         const std::string& log_path, std::string* error) {
  // Once the program has died, its orphaned WebKit processes come to us instead of to init, so
  // that Stop() can reap them as well.
  if (prctl(PR_SET_CHILD_SUBREAPER, 1) != 0) {
    *error = std::string("cannot become a subreaper: ") + std::strerror(errno);
    return false;
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);

  // Both programs start alike however the bench itself was started (nohup, a script that blocks
  // signals): nothing blocked, and the stop signals at their defaults.
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes,
                           POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  posix_spawnattr_setpgroup(&attributes, 0);
  sigset_t signals;
  sigemptyset(&signals);
  posix_spawnattr_setsigmask(&attributes, &signals);
  for (int signum : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) sigaddset(&signals, signum);
  posix_spawnattr_setsigdefault(&attributes, &signals);

  log_path_ = log_path;
  std::vector<char*> c_argv = CArgs(argv);
  std::vector<char*> c_env = CArgs(env);
  start_time_ = Clock::now();
  const int result =
      posix_spawn(&pid_, argv.front().c_str(), &actions, &attributes, c_argv.data(), c_env.data());
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (result != 0) {
    pid_ = -1;
    *error = "cannot start " + argv.front() + ": " + std::strerror(result);
    return false;
  }
  return true;
}

ChildProcess::WaitEnd ChildProcess::RunUntil(const std::function<bool()>& done,
                                             Clock::time_point deadline) {
  const guint tick = g_timeout_add(
      kWakeTickMs, [](gpointer) -> gboolean { return G_SOURCE_CONTINUE; }, nullptr);
  WaitEnd end;
  for (;;) {
    if (done()) {
      end = WaitEnd::kDone;
    } else if (LeaderExited()) {
      end = WaitEnd::kExited;
    } else if (Clock::now() >= deadline) {
      end = WaitEnd::kTimedOut;
    } else if (Interrupted()) {
      end = WaitEnd::kInterrupted;
    } else {
      g_main_context_iteration(nullptr, TRUE);
      continue;
    }
    break;
  }
  g_source_remove(tick);
  return end;
}

void ChildProcess::Stop() {
  if (pid_ <= 0) return;
  // The group outlives its leader, so this still reaches the helpers of a program that died.
  kill(-pid_, SIGTERM);
  const Clock::time_point kill_time = Clock::now() + kStopGrace;
  while (!ReapGroup(false)) {
    if (Clock::now() >= kill_time) {
      kill(-pid_, SIGKILL);
      ReapGroup(true);
      break;
    }
    std::this_thread::sleep_for(kReapPoll);
  }
  pid_ = -1;
}

std::string ChildProcess::LastOutputLine() const {
  std::ifstream log(log_path_);
  std::string line;
  std::string last;
  while (std::getline(log, line)) {
    if (line.find_first_not_of(" \t\r") != std::string::npos) last = line;
  }
  return last;
}

bool ChildProcess::LeaderExited() {
  if (leader_reaped_) return true;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
  NoteExit(status);
  return true;
}

bool ChildProcess::ReapGroup(bool block) {
  for (;;) {
    int status = 0;
    const pid_t reaped = waitpid(-pid_, &status, block ? 0 : WNOHANG);
    if (reaped == pid_ && !leader_reaped_) NoteExit(status);
    if (reaped > 0) continue;
    if (reaped == 0) return false;
    if (errno != EINTR) return true;  // ECHILD: no process of the group is left.
  }
}

void ChildProcess::NoteExit(int status) {
  leader_reaped_ = true;
  if (WIFEXITED(status)) {
    exit_description_ = "exit status " + std::to_string(WEXITSTATUS(status));
  } else if (WIFSIGNALED(status)) {
    exit_description_ =
        "signal " + std::to_string(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
  }
}

}  // namespace lumetta::bench
