#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace lumetta::bench {

// A D-Bus session bus of one run's own (a dbus-daemon), so that the browser the run starts is
// the only one on it and a browser of the desktop never answers for it. Stopped when destroyed.
class SessionBus {
 public:
  SessionBus();
  SessionBus(const SessionBus&) = delete;
  SessionBus& operator=(const SessionBus&) = delete;
  ~SessionBus();

  // Empty once the bus runs; otherwise why it does not.
  const std::string& error() const { return error_; }
  // `env` ("NAME=value" entries) with DBUS_SESSION_BUS_ADDRESS naming this bus.
  std::vector<std::string> Environment(std::vector<std::string> env) const;
  // `env` with an address where no bus answers: each program started so runs alone.
  static std::vector<std::string> WithoutBus(std::vector<std::string> env);

 private:
  pid_t pid_ = -1;
  std::string address_;
  std::string error_;
};

}  // namespace lumetta::bench
