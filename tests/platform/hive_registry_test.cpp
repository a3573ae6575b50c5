#include "platform/hive_registry.h"

#include <glib.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

using namespace std::string_literals;

constexpr char kKey[] = "SOFTWARE\\Microsoft\\Internet Explorer\\Main";
constexpr uint32_t kHKeyClassesRoot = 0x80000000u;

std::optional<std::string> StringOf(const std::optional<RegData>& value) {
  if (!value) return std::nullopt;
  return value->bytes;
}

class HiveRegistryTest : public testing::Test {
 protected:
  std::string Write(const std::string& relative, const std::string& contents) {
    return temp_.Write(relative, contents);
  }

  std::string PathOf(const std::string& relative) const { return temp_.Path() + "/" + relative; }

  test::TempDir temp_;
  test::ScopedEnv saved_env_{"HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"};
};

std::string UserHive(const std::string& start_page) {
  return "Windows Registry Editor Version 5.00\n\n"
         "[HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Internet Explorer\\Main]\n"
         "\"Start Page\"=\"" +
         start_page + "\"\n";
}

std::string MachineHive(const std::string& start_page) {
  return "Windows Registry Editor Version 5.00\n\n"
         "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Explorer\\Main]\n"
         "\"Start Page\"=\"" +
         start_page + "\"\n";
}

TEST_F(HiveRegistryTest, EachRootAnswersFromItsOwnHive) {
  HiveRegistry registry(Write("user.reg", UserHive("http://user.test/")),
                        {Write("machine.reg", MachineHive("http://machine.test/"))});
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "http://user.test/\0"s);
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyLocalMachine, kKey, "Start Page")),
            "http://machine.test/\0"s);
  EXPECT_EQ(registry.QueryValue(kHKeyClassesRoot, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, RootWrittenInTheFileMustMatchTheQueriedRoot) {
  // Each file holding the other root's key.
  HiveRegistry registry(Write("user.reg", MachineHive("http://machine.test/")),
                        {Write("machine.reg", UserHive("http://user.test/"))});
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
  EXPECT_EQ(registry.QueryValue(kHKeyLocalMachine, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, ShortRootNamesInFiles) {
  HiveRegistry registry(
      Write("user.reg", "[HKCU\\Software\\Microsoft\\Internet Explorer\\Main]\n\"v\"=\"u\"\n"),
      {Write("machine.reg",
             "[HKLM\\Software\\Microsoft\\Internet Explorer\\Main]\n\"v\"=\"m\"\n")});
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyCurrentUser, kKey, "v")), "u\0"s);
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyLocalMachine, kKey, "v")), "m\0"s);
}

TEST_F(HiveRegistryTest, FirstExistingMachineHiveIsUsed) {
  HiveRegistry registry(PathOf("none.reg"),
                        {PathOf("a/machine.reg"), Write("b/machine.reg", MachineHive("b")),
                         Write("c/machine.reg", MachineHive("c"))});
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyLocalMachine, kKey, "Start Page")), "b\0"s);
  // The earlier candidate wins even without the value.
  Write("a/machine.reg", MachineHive("a").substr(0, 40));
  EXPECT_EQ(registry.QueryValue(kHKeyLocalMachine, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, EditsTakeEffectOnTheNextQuery) {
  HiveRegistry registry(PathOf("user.reg"), {});
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
  Write("user.reg", UserHive("http://one.test/"));
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "http://one.test/\0"s);
  Write("user.reg", UserHive("http://two.test/"));
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "http://two.test/\0"s);
  std::filesystem::remove(PathOf("user.reg"));
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, NoMachineHiveAnswersNothing) {
  HiveRegistry registry(Write("user.reg", UserHive("u")), {});
  EXPECT_EQ(registry.QueryValue(kHKeyLocalMachine, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, DirectoryInPlaceOfTheHiveAnswersNothing) {
  std::filesystem::create_directories(PathOf("user.reg"));
  HiveRegistry registry(PathOf("user.reg"), {});
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, FifoInPlaceOfTheHiveAnswersWithoutBlocking) {
  ASSERT_EQ(mkfifo(PathOf("user.reg").c_str(), 0600), 0);
  HiveRegistry registry(PathOf("user.reg"), {});
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, UnreadableHiveAnswersNothing) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
  const std::string path = Write("user.reg", UserHive("u"));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  HiveRegistry registry(path, {});
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, HivesUpTo16MiBAreRead) {
  constexpr size_t kLimit = 16u << 20;
  std::string contents = UserHive("http://big.test/") + ";";
  contents.resize(kLimit, ' ');
  HiveRegistry registry(Write("user.reg", contents), {});
  EXPECT_EQ(StringOf(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "http://big.test/\0"s);

  contents.push_back(' ');
  Write("user.reg", contents);
  EXPECT_EQ(registry.QueryValue(kHKeyCurrentUser, kKey, "Start Page"), std::nullopt);
}

TEST_F(HiveRegistryTest, ForThisUserFollowsTheXdgVariables) {
  g_setenv("XDG_CONFIG_HOME", PathOf("config").c_str(), TRUE);
  g_setenv("XDG_CONFIG_DIRS",
           (PathOf("sys1") + ":relative/dir:" + PathOf("sys2") + ":" + PathOf("sys3")).c_str(),
           TRUE);
  Write("config/lumetta/user.reg", UserHive("u"));
  Write("sys2/lumetta/machine.reg", MachineHive("m2"));
  Write("sys3/lumetta/machine.reg", MachineHive("m3"));
  Write("relative/dir/lumetta/machine.reg", MachineHive("relative"));

  std::unique_ptr<HiveRegistry> registry = HiveRegistry::ForThisUser();
  EXPECT_EQ(StringOf(registry->QueryValue(kHKeyCurrentUser, kKey, "Start Page")), "u\0"s);
  EXPECT_EQ(StringOf(registry->QueryValue(kHKeyLocalMachine, kKey, "Start Page")), "m2\0"s);
}

TEST_F(HiveRegistryTest, ForThisUserDefaultsToDotConfigUnderHome) {
  g_setenv("HOME", PathOf("home").c_str(), TRUE);
  g_unsetenv("XDG_CONFIG_HOME");
  Write("home/.config/lumetta/user.reg", UserHive("home"));
  EXPECT_EQ(StringOf(HiveRegistry::ForThisUser()->QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "home\0"s);

  // A relative XDG_CONFIG_HOME is invalid and falls back the same way.
  g_setenv("XDG_CONFIG_HOME", "relative", TRUE);
  EXPECT_EQ(StringOf(HiveRegistry::ForThisUser()->QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "home\0"s);
}

TEST_F(HiveRegistryTest, ForThisUserReadsTheEnvironmentOnEachCall) {
  Write("one/lumetta/user.reg", UserHive("one"));
  Write("two/lumetta/user.reg", UserHive("two"));
  g_setenv("XDG_CONFIG_HOME", PathOf("one").c_str(), TRUE);
  EXPECT_EQ(StringOf(HiveRegistry::ForThisUser()->QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "one\0"s);
  g_setenv("XDG_CONFIG_HOME", PathOf("two").c_str(), TRUE);
  EXPECT_EQ(StringOf(HiveRegistry::ForThisUser()->QueryValue(kHKeyCurrentUser, kKey, "Start Page")),
            "two\0"s);
}

}  // namespace
}  // namespace lumetta
