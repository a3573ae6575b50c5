#include "page/view_source.h"

#include <glib/gstdio.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/resume_next.h"
#include "platform/file_io.h"
#include "platform/platform.h"
#include "platform/program_folder.h"
#include "tests/support/fake_shell.h"
#include "tests/support/temp_dir.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

std::string Contents(const std::string& path) {
  std::string contents;
  ReadRegularFile(path, 1 << 20, contents);
  return contents;
}

class ViewSourceTest : public test::WindowTest {
 protected:
  ViewSourceTest() { ThePlatform().shell = &shell_; }
  ~ViewSourceTest() override { ThePlatform().shell = nullptr; }

  test::FakeShell shell_;
};

TEST_F(ViewSourceTest, TheEditorOpensTheMarkupFromTheProgramsFolder) {
  frmMain& form = OpenWindow();
  const std::string markup = "<head><title>源文件</title></head><body>中文 &amp; text</body>";
  Fake(form).document_markup = markup;
  form.mnuMainViewSourceCode.PerformClick();

  const std::string path = ProgramFolder() + "/DSCode.txt";
  const std::string start = "Open|notepad.exe|" + path + "|" + ProgramFolder() + "|1";
  EXPECT_EQ(shell_.calls, std::vector<std::string>{start});
  EXPECT_EQ(Contents(path), markup + "\n");
}

// A page that does not answer (busy, still loading) must not blank the file the editor shows.
TEST_F(ViewSourceTest, UnreadableMarkupKeepsTheFileAndStartsNoEditor) {
  frmMain& form = OpenWindow();
  Fake(form).document_markup = "<body>旧</body>";
  form.mnuMainViewSourceCode.PerformClick();
  shell_.calls.clear();
  Fake(form).document_status = {kErrObjectNotSet, "no document"};
  form.mnuMainViewSourceCode.PerformClick();
  EXPECT_TRUE(shell_.calls.empty());
  EXPECT_EQ(Contents(ProgramFolder() + "/DSCode.txt"), "<body>旧</body>\n");
}

TEST(WriteSourceFileTest, FallsBackWhenTheProgramsFolderCannotBeWritten) {
  const test::TempDir temp;
  const std::string program = temp.Path() + "/program";
  const std::string fallback = temp.Path() + "/cache/lumetta";
  temp.Write("program/DSCode.txt", "an older and longer page");
  EXPECT_EQ(WriteSourceFile("<p>甲</p>", program, fallback), program + "/DSCode.txt");
  EXPECT_EQ(Contents(program + "/DSCode.txt"), "<p>甲</p>\n");

  // A folder where the file should be stops even root; the fallback is made.
  g_unlink((program + "/DSCode.txt").c_str());
  g_mkdir((program + "/DSCode.txt").c_str(), 0700);
  EXPECT_EQ(WriteSourceFile("<p>乙</p>", program, fallback), fallback + "/DSCode.txt");
  EXPECT_EQ(Contents(fallback + "/DSCode.txt"), "<p>乙</p>\n");
  EXPECT_EQ(WriteSourceFile("<p>丙</p>", temp.Path() + "/missing", fallback),
            fallback + "/DSCode.txt");
  EXPECT_EQ(Contents(fallback + "/DSCode.txt"), "<p>丙</p>\n");

  if (geteuid() != 0) {
    const std::string read_only = temp.Path() + "/read-only";
    temp.Write("read-only/DSCode.txt", "another user's page");
    g_chmod((read_only + "/DSCode.txt").c_str(), 0444);
    g_chmod(read_only.c_str(), 0555);
    EXPECT_EQ(WriteSourceFile("<p>丁</p>", read_only, fallback), fallback + "/DSCode.txt");
    EXPECT_EQ(Contents(fallback + "/DSCode.txt"), "<p>丁</p>\n");
  }
}

// The file is replaced, never written through: a link in its place, symbolic or hard, leaves
// its target as it was.
TEST(WriteSourceFileTest, ReplacesLinksInsteadOfWritingThroughThem) {
  const test::TempDir temp;
  const std::string program = temp.Path() + "/program";
  const std::string target = temp.Write("target.txt", "someone's file");
  temp.Write("program/keep", "");
  ASSERT_EQ(symlink(target.c_str(), (program + "/DSCode.txt").c_str()), 0);
  EXPECT_EQ(WriteSourceFile("<p>甲</p>", program, temp.Path() + "/cache"), program + "/DSCode.txt");
  EXPECT_EQ(Contents(target), "someone's file");
  EXPECT_EQ(Contents(program + "/DSCode.txt"), "<p>甲</p>\n");
  struct stat info;
  ASSERT_EQ(lstat((program + "/DSCode.txt").c_str(), &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  g_unlink((program + "/DSCode.txt").c_str());
  ASSERT_EQ(link(target.c_str(), (program + "/DSCode.txt").c_str()), 0);
  WriteSourceFile("<p>乙</p>", program, temp.Path() + "/cache");
  EXPECT_EQ(Contents(target), "someone's file");
  EXPECT_EQ(Contents(program + "/DSCode.txt"), "<p>乙</p>\n");
}

}  // namespace
}  // namespace lumetta
