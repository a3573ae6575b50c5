// The engine's pages run in bubblewrap's sandbox, in tests as for users.
#include "engine/web_context.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <gtkmm/window.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "engine/webkit_engine.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"
#include "tests/support/web_processes.h"

namespace lumetta {
namespace {

namespace fs = std::filesystem;

std::string MountNamespace(const std::string& pid) {
  std::error_code error;
  return fs::read_symlink("/proc/" + pid + "/ns/mnt", error).string();
}

TEST(WebContextTest, PagesRunInAMountNamespaceOfTheirOwnThatHoldsNoHomeFolderFile) {
  const std::string home = g_get_home_dir();
  const std::string secret = home + "/私人文件.txt";
  std::ofstream(secret) << "只给用户看";
  // A local page, which may load local files, tries to read the secret beside it.
  const std::string local_page = home + "/本地页.html";
  std::ofstream(local_page) << "<html><head><meta charset='utf-8'><title>本地页</title></head>"
                               "<body><script>const secret = 'file://' + encodeURI('"
                            << secret << R"(');
const tries = [
  fetch(secret).then(r => r.text()),
  new Promise((read, fail) => {
    const request = new XMLHttpRequest();
    request.onload = () => read(request.responseText);
    request.onerror = fail;
    request.open('GET', secret);
    request.send();
  }),
];
Promise.allSettled(tries).then(results => document.title = results.map(
    result => result.status == 'fulfilled' ? '读到' + result.value : '读不到').join());
</script></body></html>)";
  test::LocalServer server;
  server.Serve("/", "<html><head><title>沙箱里的页面</title></head><body>页</body></html>");
  WebKitEngine engine;
  const auto control = engine.Create();
  Gtk::Window window;
  window.add(control->GetWidget());
  window.show_all();
  control->Navigate(server.Url("/"));
  ASSERT_TRUE(test::WaitUntil([&] { return control->LocationName() == "沙箱里的页面"; }));
  // A page from the home folder still opens, as the engine's network process reads it; its
  // script cannot read the file.
  control->Navigate(local_page);
  ASSERT_TRUE(test::WaitUntil([&] { return control->LocationName().starts_with("读"); }));
  EXPECT_EQ(control->LocationName(), "读不到,读不到");

  const std::set<pid_t> processes = test::WebProcesses();
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
