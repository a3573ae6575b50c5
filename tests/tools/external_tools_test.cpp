#include "tools/external_tools.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "platform/program_folder.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/fake_shell.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

using testing::ElementsAre;

class ExternalToolsTest : public test::WindowTest {
 protected:
  ExternalToolsTest() {
    ThePlatform().shell = &shell_;
    ThePlatform().message_box = &box_;
  }
  ~ExternalToolsTest() override {
    ThePlatform().shell = nullptr;
    ThePlatform().message_box = nullptr;
  }

  test::FakeShell shell_;
  test::FakeMessageBox box_;
};

// Which programs stand in for these is the shell's business (tests/platform/shell_test.cpp).
TEST_F(ExternalToolsTest, UtilitiesAndInternetOptionsGoToTheShell) {
  frmMain& form = OpenWindow();
  // A program that cannot be started brings no message.
  shell_.succeed = false;
  form.mnuMainToolEXENotepad.PerformClick();
  form.mnuMainToolEXECalc.PerformClick();
  form.mnuMainToolEXEExplorer.PerformClick();
  form.mnuMainToolInternetOption.PerformClick();

  const std::string folder = ProgramFolder();
  EXPECT_THAT(shell_.calls,
              ElementsAre("Open|notepad.exe||" + folder + "|1", "Open|calc.exe||" + folder + "|1",
                          "Open|explorer.exe||" + folder + "|1",
                          "rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl|1"));
  EXPECT_TRUE(box_.shown.empty());
  EXPECT_EQ(windows_.OpenCount(), 1u);
}

TEST_F(ExternalToolsTest, AboutBoxAndTheMakersSite) {
  frmMain& form = OpenWindow("http://当前.test/");
  form.mnuMainHelpAbout.PerformClick();
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0].prompt, "琉梅塔 - Lumetta V1.9\r\n浏览器主页：http://www.lumetta.net");
  EXPECT_EQ(box_.shown[0].style, 64);
  EXPECT_EQ(box_.shown[0].title, "关于...");

  form.mnuMainHelpSoftPage.PerformClick();
  form.mnuMainHelpSoftPage.PerformClick();
  ASSERT_EQ(windows_.OpenCount(), 3u);
  EXPECT_TRUE(Fake(form).Navigations().empty());
  for (size_t i = 1; i < 3; ++i) {
    EXPECT_THAT(Fake(windows_.OpenWindow(i)).Navigations(), ElementsAre("http://www.lumetta.net/"));
  }
}

}  // namespace
}  // namespace lumetta
