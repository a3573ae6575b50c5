#include "engine/printing/print_setup.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

TEST(PrintSetupTest, TheNextRunPrintsTheSameWay) {
  const test::TempDir folder;
  const std::string path = folder.Path() + "/lumetta/print-setup.ini";
  {
    PrintSetup setup(path);
    auto page_setup = Gtk::PageSetup::create();
    page_setup->set_paper_size_and_default_margins(Gtk::PaperSize(Gtk::PAPER_NAME_A5));
    page_setup->set_orientation(Gtk::PAGE_ORIENTATION_LANDSCAPE);
    page_setup->set_top_margin(25, Gtk::UNIT_MM);
    auto settings = Gtk::PrintSettings::create();
    settings->set_printer("办公室打印机");
    ASSERT_TRUE(setup.Update(page_setup, settings));
  }
  const PrintSetup next_run(path);
  EXPECT_EQ(next_run.PageSetup()->get_paper_size().get_name(), Gtk::PAPER_NAME_A5);
  EXPECT_EQ(next_run.PageSetup()->get_orientation(), Gtk::PAGE_ORIENTATION_LANDSCAPE);
  EXPECT_DOUBLE_EQ(next_run.PageSetup()->get_top_margin(Gtk::UNIT_MM), 25);
  EXPECT_EQ(next_run.Settings()->get_printer(), "办公室打印机");
}

TEST(PrintSetupTest, AMissingOrDamagedFileGivesTheDefaults) {
  const test::TempDir folder;
  const std::string damaged = folder.Write("damaged.ini", "[Page Setup]\nPaperName=\xff\n[[[");
  for (const std::string& path : {folder.Path() + "/missing.ini", damaged}) {
    const PrintSetup setup(path);
    ASSERT_TRUE(setup.PageSetup());
    ASSERT_TRUE(setup.Settings());
    EXPECT_EQ(setup.PageSetup()->get_orientation(), Gtk::PAGE_ORIENTATION_PORTRAIT);
  }
}

}  // namespace
}  // namespace lumetta
