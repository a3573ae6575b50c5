#include "app/settings.h"

#include <gtest/gtest.h>

#include "platform/hive_registry.h"
#include "platform/platform.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

std::string Hive(const std::string& root, const std::string& start_page) {
  return "Windows Registry Editor Version 5.00\r\n\r\n[" + root +
         "\\SOFTWARE\\Microsoft\\Internet Explorer\\Main]\r\n\"Start Page\"=\"" + start_page +
         "\"\r\n";
}

class InitSettingsTest : public testing::Test {
 protected:
  void SetUp() override { ThePlatform().registry = &registry_; }
  void TearDown() override { ThePlatform().registry = nullptr; }

  void SetUser(const std::string& page) { dir_.Write("user.reg", Hive("HKEY_CURRENT_USER", page)); }
  void SetMachine(const std::string& page) {
    dir_.Write("etc/lumetta/machine.reg", Hive("HKEY_LOCAL_MACHINE", page));
  }

  test::TempDir dir_;
  HiveRegistry registry_{dir_.Path() + "/user.reg", {dir_.Path() + "/etc/lumetta/machine.reg"}};
};

TEST_F(InitSettingsTest, FillsFixedValues) {
  gstrSearchType = "2";
  InitSettings();
  EXPECT_EQ(gstrTitleSuffix, " - Lumetta");
  EXPECT_EQ(gstrSearchType, "0");
}

TEST_F(InitSettingsTest, HomePageFallsBackFromUserToMachineToBuiltIn) {
  InitSettings();
  EXPECT_EQ(gstrHomePage, "http://www.lumetta.net");

  SetMachine("http://machine.example/");
  InitSettings();
  EXPECT_EQ(gstrHomePage, "http://machine.example/");

  SetUser("http://user.example/");
  InitSettings();
  EXPECT_EQ(gstrHomePage, "http://user.example/");
}

TEST_F(InitSettingsTest, BlankUserPageDefersToMachine) {
  SetUser("about:blank");
  SetMachine("http://machine.example/");
  InitSettings();
  EXPECT_EQ(gstrHomePage, "http://machine.example/");

  SetMachine("about:blank");
  InitSettings();
  EXPECT_EQ(gstrHomePage, kDefaultHomePage);
}

TEST_F(InitSettingsTest, BlankComparisonIsExact) {
  SetUser("About:Blank");
  SetMachine("http://machine.example/");
  InitSettings();
  EXPECT_EQ(gstrHomePage, "About:Blank");
}

TEST_F(InitSettingsTest, ReadsTheRegistryAgainAtEveryLoad) {
  SetUser("http://first.example/");
  InitSettings();
  SetUser("http://second.example/");
  InitSettings();
  EXPECT_EQ(gstrHomePage, "http://second.example/");
}

TEST_F(InitSettingsTest, OverlongUserPageCountsAsAbsent) {
  SetUser("http://u.example/" + std::string(1100, 'a'));
  SetMachine("http://machine.example/");
  InitSettings();
  EXPECT_EQ(gstrHomePage, "http://machine.example/");
}

TEST_F(InitSettingsTest, BrokenHivesGiveTheBuiltInPage) {
  dir_.Write("user.reg", std::string("\xff\xfe\x00\x00\x01garbage\x00\x80", 13));
  dir_.Write("etc/lumetta/machine.reg", "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Internet Ex");
  InitSettings();
  EXPECT_EQ(gstrHomePage, kDefaultHomePage);
}

}  // namespace
}  // namespace lumetta
