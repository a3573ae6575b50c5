// The engine's pages run in bubblewrap's sandbox, in tests as for users.
#include "engine/web_context.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/webkit_engine.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;

// The engine's web processes below this process, found by their parents.
std::vector<pid_t> WebProcesses() {
  std::map<pid_t, pid_t> parents;
  std::map<pid_t, std::string> names;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const pid_t pid = static_cast<pid_t>(std::atoi(entry.path().filename().c_str()));
    if (pid <= 0) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // "PID (NAME) STATE PPID ...", where NAME may hold blanks and parentheses.
    const size_t open = line.find('(');
    const size_t close = line.rfind(')');
    if (open == std::string::npos || close == std::string::npos) continue;
    names[pid] = line.substr(open + 1, close - open - 1);
    parents[pid] = static_cast<pid_t>(std::atoi(line.c_str() + close + 4));
  }
  std::vector<pid_t> found;
  for (const auto& [pid, name] : names) {
    if (name != "WebKitWebProces") continue;
    for (pid_t up = parents[pid]; up > 1; up = parents[up]) {
      if (up == getpid()) {
        found.push_back(pid);
        break;
      }
    }
  }
  return found;
}

std::string MountNamespace(const std::string& pid) {
  std::error_code error;
  return fs::read_symlink("/proc/" + pid + "/ns/mnt", error).string();
}

TEST(WebContextTest, PagesRunInAMountNamespaceOfTheirOwnThatHoldsNoHomeFolderFile) {
  const std::string home = g_get_home_dir();
  const std::string secret = home + "/私人文件.txt";
  std::ofstream(secret) << "只给用户看";
  const std::string local_page = home + "/本地页.html";
  std::ofstream(local_page)
      << "<html><head><meta charset='utf-8'><title>本地页</title></head></html>";
  test::LocalServer server;
  server.Serve("/", "<html><head><title>沙箱里的页面</title></head><body>页</body></html>");
  WebKitEngine engine;
  const auto control = engine.Create();
  Gtk::Window window;
  window.add(control->GetWidget());
  window.show_all();
  control->Navigate(server.Url("/"));
  ASSERT_TRUE(test::WaitUntil([&] { return control->LocationName() == "沙箱里的页面"; }));
  // A page from the home folder still opens: the engine's network process reads it.
  control->Navigate(local_page);
  ASSERT_TRUE(test::WaitUntil([&] { return control->LocationName() == "本地页"; }));

  const std::vector<pid_t> processes = WebProcesses();
  ASSERT_FALSE(processes.empty());
  for (const pid_t pid : processes) {
    const std::string root = "/proc/" + std::to_string(pid) + "/root";
    ASSERT_TRUE(fs::exists(root + "/usr/lib")) << "cannot look into web process " << pid;
    EXPECT_NE(MountNamespace(std::to_string(pid)), MountNamespace("self"));
    EXPECT_FALSE(fs::exists(root + secret)) << "web process " << pid << " sees " << secret;
  }
  EXPECT_TRUE(fs::exists(secret));
  window.remove();
  fs::remove(secret);
  fs::remove(local_page);
}

}  // namespace
}  // namespace lumetta
