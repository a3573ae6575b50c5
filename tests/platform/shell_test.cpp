#include "platform/shell.h"

#include <gio/gdesktopappinfo.h>
#include <glib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/fake_program_launcher.h"
#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

using testing::ElementsAre;

// A desktop without default applications, whose PATH holds only the programs a test installs.
class DesktopShellTest : public testing::Test {
 protected:
  DesktopShellTest() {
    g_setenv("PATH", (temp_.Path() + "/bin").c_str(), TRUE);
    g_setenv("HOME", (temp_.Path() + "/home").c_str(), TRUE);
    g_setenv("XDG_DATA_HOME", (temp_.Path() + "/data").c_str(), TRUE);
    g_setenv("XDG_DATA_DIRS", (temp_.Path() + "/none").c_str(), TRUE);
    g_setenv("XDG_CONFIG_HOME", (temp_.Path() + "/config").c_str(), TRUE);
  }

  std::string Install(const std::string& program) {
    const std::string path = temp_.Write("bin/" + program, "#!/bin/sh\n");
    chmod(path.c_str(), 0755);
    return path;
  }

  test::ScopedEnv env_{"PATH", "HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME"};
  test::TempDir temp_;
  test::FakeProgramLauncher launcher_;
  DesktopShell shell_{launcher_, "/opt/lumetta"};
};

TEST_F(DesktopShellTest, StartsTheInstalledStandInsWithArgumentVectors) {
  const std::string editor = Install("mousepad");
  const std::string calculator = Install("galculator");
  const std::string files = Install("thunar");
  // A file name with blanks and shell characters stays one argument.
  const std::string source = "/opt/my lumetta/DSCode.txt;rm -rf ~";

  EXPECT_TRUE(shell_.ShellExecute("Open", "notepad.exe", source, "/opt/lumetta", kSwShowNormal));
  EXPECT_TRUE(shell_.ShellExecute("Open", "notepad.exe", "", "/opt/lumetta", kSwShowNormal));
  EXPECT_TRUE(shell_.ShellExecute("Open", "calc.exe", "", "/opt/lumetta", kSwShowNormal));
  EXPECT_TRUE(shell_.ShellExecute("Open", "explorer.exe", "", "/opt/lumetta", kSwShowNormal));

  ASSERT_EQ(launcher_.starts.size(), 4u);
  EXPECT_THAT(launcher_.starts[0].argv, ElementsAre(editor, source));
  EXPECT_THAT(launcher_.starts[1].argv, ElementsAre(editor));
  EXPECT_THAT(launcher_.starts[2].argv, ElementsAre(calculator));
  EXPECT_THAT(launcher_.starts[3].argv, ElementsAre(files, temp_.Path() + "/home"));
  for (const auto& start : launcher_.starts) EXPECT_EQ(start.working_folder, "/opt/lumetta");
}

TEST_F(DesktopShellTest, StartsNothingWhenNoStandInIsInstalled) {
  EXPECT_FALSE(shell_.ShellExecute("Open", "notepad.exe", "", "/opt/lumetta", kSwShowNormal));
  EXPECT_FALSE(shell_.ShellExecute("Open", "calc.exe", "", "/opt/lumetta", kSwShowNormal));
  EXPECT_FALSE(shell_.ShellExecute("Open", "explorer.exe", "", "/opt/lumetta", kSwShowNormal));
  EXPECT_FALSE(shell_.ShellExecute("Open", "cmd.exe", "", "/opt/lumetta", kSwShowNormal));
  EXPECT_FALSE(shell_.RunCommandLine("rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl", 1));
  EXPECT_TRUE(launcher_.starts.empty());
}

// A downloaded file or its folder, by path: opened by the desktop's application for its type.
TEST_F(DesktopShellTest, OpensADocumentOrFolderByItsPath) {
  const std::string document = temp_.Write("下载/报告.pdf", "%PDF-1.4\n");
  const std::string folder = temp_.Path() + "/下载";
  EXPECT_FALSE(shell_.ShellExecute("open", document, "", folder, kSwShowNormal));
  EXPECT_FALSE(shell_.ShellExecute("open", folder + "/missing.pdf", "", "", kSwShowNormal));
  const std::string files = Install("thunar");
  EXPECT_TRUE(shell_.ShellExecute("open", folder, "", folder, kSwShowNormal));
  ASSERT_EQ(launcher_.starts.size(), 1u);
  EXPECT_THAT(launcher_.starts[0].argv, ElementsAre(files, folder));
}

TEST_F(DesktopShellTest, InternetOptionsCommandLineStartsThePanelBesideTheProgram) {
  const std::string folder = temp_.Path() + "/bin";
  Install(kOptionsProgram);
  DesktopShell shell(launcher_, folder);
  EXPECT_FALSE(shell.RunCommandLine("rundll32.exe  shell32.dll,Control_RunDLL Inetcpl.cpl", 1));
  EXPECT_TRUE(shell.RunCommandLine("rundll32.exe shell32.dll,Control_RunDLL Inetcpl.cpl", 1));
  ASSERT_EQ(launcher_.starts.size(), 1u);
  EXPECT_THAT(launcher_.starts[0].argv, ElementsAre(folder + "/lumetta-options"));
  EXPECT_EQ(launcher_.starts[0].working_folder, folder);
}

// vim is Debian's default for text/plain; started without a terminal it would show nothing.
TEST(StartableExecTest, TerminalProgramsArePassedOver) {
  for (const bool terminal : {false, true}) {
    GKeyFile* file = g_key_file_new();
    const std::string entry =
        "[Desktop Entry]\nType=Application\nName=编辑器\nExec=vim %F\n"
        "Terminal=" +
        std::string(terminal ? "true" : "false") + "\n";
    ASSERT_TRUE(
        g_key_file_load_from_data(file, entry.c_str(), entry.size(), G_KEY_FILE_NONE, nullptr));
    GDesktopAppInfo* app = g_desktop_app_info_new_from_keyfile(file);
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(StartableExec(G_APP_INFO(app)),
              terminal ? std::nullopt : std::optional<std::string>("vim %F"));
    g_object_unref(app);
    g_key_file_unref(file);
  }
}

TEST(ExecArgvTest, FieldCodes) {
  EXPECT_THAT(ExecArgv("gedit %U", "/tmp/a b.txt"), ElementsAre("gedit", "/tmp/a b.txt"));
  EXPECT_THAT(ExecArgv("gedit %U", ""), ElementsAre("gedit"));
  EXPECT_THAT(ExecArgv("\"/opt/my editor/run\" --new-window %f %i %c", "x"),
              ElementsAre("/opt/my editor/run", "--new-window", "x"));
  EXPECT_THAT(ExecArgv("calc --percent=100%%", ""), ElementsAre("calc", "--percent=100%"));
  EXPECT_TRUE(ExecArgv("broken \"quote", "x").empty());
}

}  // namespace
}  // namespace lumetta
