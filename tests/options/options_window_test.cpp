#include "options/options_window.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/hive_registry.h"
#include "platform/platform.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/temp_dir.h"
#include "tests/support/utf16.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

class OptionsWindowTest : public test::WindowTest {
 protected:
  OptionsWindowTest() {
    ThePlatform().registry = &registry_;
    ThePlatform().message_box = &box_;
  }
  ~OptionsWindowTest() override {
    ThePlatform().registry = nullptr;
    ThePlatform().message_box = nullptr;
  }
  std::string Hive() const {
    std::ifstream in(hive_, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  test::TempDir temp_;
  std::string hive_ = temp_.Path() + "/user.reg";
  HiveRegistry registry_{hive_, {}};
  test::FakeMessageBox box_;
};

std::string Export(const std::string& start_page) {
  return "\xFF\xFE" + test::Utf16Le(
                          "Windows Registry Editor Version 5.00\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\Main]\r\n"
                          "\"Search Page\"=\"http://搜索.test/\"\r\n"
                          "\"Start Page\"=\"" +
                          start_page +
                          "\"\r\n\"Window Title\"=\"琉梅塔\"\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Other]\r\n@=dword:00000010\r\n");
}

TEST_F(OptionsWindowTest, HomePageGoesIntoTheHiveAndTheNextWindow) {
  temp_.Write("user.reg", Export("http://old.test/"));
  OptionsWindow panel(hive_, "");
  EXPECT_EQ(panel.HomePageBox().get_text(), "http://old.test/");
  EXPECT_FALSE(panel.ApplyButton().get_sensitive());

  panel.HomePageBox().set_text("  http://新主页.test/首页 ");
  ASSERT_TRUE(panel.ApplyButton().get_sensitive());
  panel.ApplyButton().clicked();

  EXPECT_EQ(Hive(), Export("http://新主页.test/首页"));
  EXPECT_FALSE(panel.ApplyButton().get_sensitive());
  EXPECT_TRUE(box_.shown.empty());
  frmMain& form = windows_.CreateMainWindow();
  form.Show();
  EXPECT_EQ(Fake(form).Navigations(), std::vector<std::string>{"http://新主页.test/首页"});
}

TEST_F(OptionsWindowTest, HiveItCannotParseIsLeftAsItWas) {
  const std::string junk = "这不是注册表导出文件\n\"Start Page\"=\"http://old.test/\"\n";
  temp_.Write("user.reg", junk);
  OptionsWindow panel(hive_, "");
  panel.HomePageBox().set_text("http://new.test/");
  panel.response(Gtk::RESPONSE_OK);
  EXPECT_EQ(Hive(), junk);
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_NE(box_.shown[0].prompt.find("没有被改动"), std::string::npos);
  EXPECT_EQ(box_.shown[0].title, "Internet 选项");
  EXPECT_TRUE(panel.ApplyButton().get_sensitive());
}

}  // namespace
}  // namespace lumetta
