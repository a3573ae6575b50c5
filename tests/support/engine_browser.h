#pragma once

// For the engine test program only: the browser's services over an engine of the test's, and
// a test run inside the browser's main loop.
#include <glibmm/main.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "engine/webkit_engine.h"
#include "shell/browser_application.h"
#include "ui/main_window/frm_main.h"

namespace lumetta::test {

class EngineBrowser : public Browser {
 public:
  explicit EngineBrowser(WebKitEngine& engine) : engine_(engine) {}

  BrowserControlFactory& Controls() override { return engine_; }
  void DeleteBrowsingData(uint32_t kinds, std::function<void(bool)> done) override {
    engine_.DeleteBrowsingData(kinds, std::move(done));
  }

 private:
  WebKitEngine& engine_;
};

// Starts `application` as `lumetta FIRST_ADDRESS` and runs `body` once it is the browser and
// its first window has gone to that address; then closes its windows, which ends it. Gives the
// browser's exit status.
inline int RunAsBrowser(BrowserApplication& application, const std::string& first_address,
                        const std::function<void()>& body) {
  bool ran = false;
  sigc::connection test = Glib::signal_timeout().connect(
      [&] {
        MainWindows* windows = application.Windows();
        if (windows == nullptr || windows->OpenCount() == 0 ||
            windows->OpenWindow(0).webMain->LocationURL() != first_address) {
          return true;
        }
        ran = true;
        body();
        while (windows->OpenCount() > 0) windows->OpenWindow(0).Unload();
        return false;
      },
      10);
  std::string program = "lumetta";
  std::string address = first_address;
  char* argv[] = {program.data(), address.data(), nullptr};
  const int status = application.Run(2, argv);
  test.disconnect();
  EXPECT_TRUE(ran) << "this process did not become the browser on " << first_address;
  return status;
}

}  // namespace lumetta::test
