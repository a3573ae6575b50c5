// Video on the real engine: the codecs and sink the package brings.
#include <gtest/gtest.h>
#include <gtkmm/window.h>

#include <fstream>
#include <sstream>

#include "engine/webkit_engine.h"
#include "tests/support/evaluate_script.h"
#include "tests/support/local_server.h"
#include "tests/support/wait.h"

namespace lumetta {
namespace {

// Two seconds of VP8 in WebM, 32 x 24 pixels.
std::string BallVideo() {
  std::ifstream file(LUMETTA_TEST_DATA_DIR "/ball.webm", std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

TEST(VideoTest, WebMVideoPlays) {
  test::LocalServer server;
  test::LocalServer::Page video;
  video.content_type = "video/webm";
  video.body = BallVideo();
  ASSERT_FALSE(video.body.empty());
  server.Serve("/ball.webm", video);
  server.Serve("/",
               "<html><head><title>video</title></head><body>"
               "<video src=\"/ball.webm\" autoplay muted></video></body></html>");
  WebKitEngine engine;
  auto control = engine.Create();
  Gtk::Window window;
  window.add(control->GetWidget());
  window.show_all();
  control->Navigate(server.Url("/"));
  EXPECT_TRUE(test::WaitUntil(
      [&] {
        const auto time = test::EvaluateScript(control->GetWidget(),
                                               "document.querySelector('video').currentTime");
        return time && std::stod(*time) > 0.5;
      },
      20000));
  window.remove();
}

}  // namespace
}  // namespace lumetta
