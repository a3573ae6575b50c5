#pragma once

#include <gio/gio.h>

#include "tests/support/scoped_env.h"

namespace lumetta::test {

// A session bus of the test's own while it lives, so that what the test puts on the bus meets
// nothing of the desktop's; the session's bus is back afterwards. Starting and stopping it
// unset DISPLAY, which the engine's processes and the programs the test starts need: it is put
// back.
class TestSessionBus {
 public:
  TestSessionBus() {
    const ScopedEnv display{"DISPLAY"};
    g_test_dbus_up(bus_);
  }
  ~TestSessionBus() {
    const ScopedEnv display{"DISPLAY"};
    g_test_dbus_down(bus_);
    g_object_unref(bus_);
  }
  TestSessionBus(const TestSessionBus&) = delete;
  TestSessionBus& operator=(const TestSessionBus&) = delete;

 private:
  ScopedEnv session_{"DBUS_SESSION_BUS_ADDRESS"};
  GTestDBus* bus_ = g_test_dbus_new(G_TEST_DBUS_NONE);
};

}  // namespace lumetta::test
