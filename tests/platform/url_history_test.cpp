#include "platform/url_history.h"

#include <glib.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/support/scoped_env.h"
#include "tests/support/temp_dir.h"

namespace lumetta {
namespace {

using namespace std::string_literals;
using testing::ElementsAre;
using testing::IsEmpty;

class UrlHistoryTest : public testing::Test {
 protected:
  void SetUp() override { path_ = (dir_ / "history").string(); }

  std::string FileContents() const {
    std::ifstream in(path_, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  size_t FileLines() const {
    const std::string contents = FileContents();
    return static_cast<size_t>(std::count(contents.begin(), contents.end(), '\n'));
  }

  void WriteFile(const std::string& contents) const {
    std::ofstream(path_, std::ios::binary | std::ios::trunc) << contents;
  }

  test::TempDir temp_;
  std::filesystem::path dir_ = temp_.Path();
  std::string path_;
  test::ScopedEnv saved_env_{"HOME", "XDG_DATA_HOME"};
};

TEST_F(UrlHistoryTest, NewHistoryIsEmptyAndWritesNothing) {
  FileUrlHistory history(path_);
  EXPECT_THAT(history.Entries(), IsEmpty());
  EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(UrlHistoryTest, RevisitMovesToTheEnd) {
  FileUrlHistory history(path_);
  history.Record("http://a.test/");
  history.Record("http://b.test/");
  history.Record("http://c.test/");
  history.Record("http://a.test/");
  EXPECT_THAT(history.Entries(), ElementsAre("http://b.test/", "http://c.test/", "http://a.test/"));
}

TEST_F(UrlHistoryTest, AddressesDifferingInCaseAreDistinct) {
  FileUrlHistory history(path_);
  history.Record("http://a.test/x");
  history.Record("http://a.test/X");
  EXPECT_THAT(history.Entries(), ElementsAre("http://a.test/x", "http://a.test/X"));
}

TEST_F(UrlHistoryTest, SignalsNewAndMovedAddressesOnly) {
  FileUrlHistory history(path_);
  std::vector<std::string> signalled;
  std::vector<std::vector<std::string>> seen_entries;
  history.signal_recorded().connect([&](const std::string& url) {
    signalled.push_back(url);
    seen_entries.push_back(history.Entries());
  });
  history.Record("http://a.test/");
  history.Record("http://b.test/");
  history.Record("http://b.test/");  // already the latest: nothing changes
  history.Record("http://a.test/");
  history.Record("about:blank");
  EXPECT_THAT(signalled, ElementsAre("http://a.test/", "http://b.test/", "http://a.test/"));
  // Emitted after the change, so a listener sees the new order.
  ASSERT_EQ(seen_entries.size(), 3u);
  EXPECT_THAT(seen_entries[2], ElementsAre("http://b.test/", "http://a.test/"));
}

TEST_F(UrlHistoryTest, PersistsAcrossInstances) {
  {
    FileUrlHistory history(path_);
    history.Record("http://a.test/");
    history.Record("http://例子.测试/路径");
    history.Record("http://c.test/");
    history.Record("http://a.test/");
  }
  FileUrlHistory reopened(path_);
  EXPECT_THAT(reopened.Entries(),
              ElementsAre("http://例子.测试/路径", "http://c.test/", "http://a.test/"));
  reopened.Record("http://d.test/");
  EXPECT_THAT(
      FileUrlHistory(path_).Entries(),
      ElementsAre("http://例子.测试/路径", "http://c.test/", "http://a.test/", "http://d.test/"));
}

TEST_F(UrlHistoryTest, LoadsOnFirstUseNotAtConstruction) {
  FileUrlHistory history(path_);
  WriteFile("http://a.test/\n");
  EXPECT_THAT(history.Entries(), ElementsAre("http://a.test/"));
}

TEST_F(UrlHistoryTest, EachVisitAppendsOneLine) {
  FileUrlHistory history(path_);
  history.Record("http://a.test/");
  history.Record("http://b.test/");
  history.Record("http://a.test/");
  EXPECT_EQ(FileContents(), "http://a.test/\nhttp://b.test/\nhttp://a.test/\n");
}

TEST_F(UrlHistoryTest, ClearEmptiesAndRemovesTheFile) {
  FileUrlHistory history(path_);
  history.Record("http://a.test/");
  history.Clear();
  EXPECT_THAT(history.Entries(), IsEmpty());
  EXPECT_FALSE(std::filesystem::exists(path_));
  EXPECT_THAT(FileUrlHistory(path_).Entries(), IsEmpty());
  history.Record("http://b.test/");
  EXPECT_THAT(FileUrlHistory(path_).Entries(), ElementsAre("http://b.test/"));
}

// Removals in a batch are stored once at its end; removed addresses never come back, not even
// after a later visit is appended.
TEST_F(UrlHistoryTest, RemovedAddressesStayGone) {
  WriteFile("http://a.test/\nhttp://百度.test/\nhttp://c.test/\nhttp://a.test/\n");
  FileUrlHistory history(path_);
  std::vector<std::string> removed;
  history.signal_removed().connect([&](const std::string& url) { removed.push_back(url); });
  history.BeginBatch();
  EXPECT_TRUE(history.Remove("http://a.test/"));
  EXPECT_TRUE(history.Remove("http://c.test/"));
  EXPECT_FALSE(history.Remove("http://unknown.test/"));
  history.EndBatch();
  EXPECT_THAT(removed, ElementsAre("http://a.test/", "http://c.test/"));
  EXPECT_EQ(FileContents(), "http://百度.test/\n");
  EXPECT_TRUE(history.Remove("http://百度.test/"));
  EXPECT_EQ(FileContents(), "");
  history.Record("http://d.test/");
  EXPECT_THAT(FileUrlHistory(path_).Entries(), ElementsAre("http://d.test/"));
}

TEST_F(UrlHistoryTest, ClearWithoutLoadingDropsTheFile) {
  WriteFile("http://a.test/\n");
  FileUrlHistory history(path_);
  history.Clear();
  EXPECT_THAT(history.Entries(), IsEmpty());
  EXPECT_FALSE(std::filesystem::exists(path_));
}

class IgnoredAddressTest : public UrlHistoryTest,
                           public testing::WithParamInterface<std::string> {};

TEST_P(IgnoredAddressTest, IsNotRecorded) {
  FileUrlHistory history(path_);
  int signals = 0;
  history.signal_recorded().connect([&](const std::string&) { ++signals; });
  history.Record(GetParam());
  EXPECT_THAT(history.Entries(), IsEmpty());
  EXPECT_EQ(signals, 0);
  EXPECT_FALSE(std::filesystem::exists(path_));
  EXPECT_FALSE(IsRecordableUrl(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Rules, IgnoredAddressTest,
                         testing::Values(""s, "about:blank"s, "http://a.test/\nhttp://b.test/"s,
                                         "http://a.test/\r"s, "\nhttp://a.test/"s,
                                         "http://a.test/\0x"s, "http://a.test/\xff"s,
                                         "http://\xe4\xb8.test/"s, "data:text/html,<p>x</p>"s,
                                         "DATA:text/plain,x"s, "javascript:alert(1)"s,
                                         "JavaScript:void(0)"s));

TEST_F(UrlHistoryTest, BlankPageInOtherCaseIsAnAddress) {
  FileUrlHistory history(path_);
  history.Record("About:Blank");
  history.Record("about:blank#x");
  EXPECT_THAT(history.Entries(), ElementsAre("About:Blank", "about:blank#x"));
}

TEST_F(UrlHistoryTest, CompactionKeepsOrderAndContent) {
  FileUrlHistory history(path_);
  for (int i = 0; i < 10; ++i) history.Record("http://u" + std::to_string(i) + ".test/");
  bool compacted = false;
  for (int i = 0; i < 300; ++i) {
    const size_t lines_before = FileLines();
    history.Record("http://u" + std::to_string(i % 3) + ".test/");
    const std::vector<std::string> entries = history.Entries();
    ASSERT_LE(FileLines(), 2 * entries.size() + 100) << "visit " << i;
    if (FileLines() < lines_before) {
      compacted = true;
      std::string expected;
      for (const std::string& url : entries) expected += url + '\n';
      EXPECT_EQ(FileContents(), expected) << "visit " << i;
    }
    ASSERT_EQ(FileUrlHistory(path_).Entries(), entries) << "visit " << i;
  }
  EXPECT_TRUE(compacted);
  // The rewrite goes through a temporary file that must not be left behind.
  for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
    EXPECT_THAT(entry.path().filename().string(), testing::AnyOf("history", "history.lock"));
  }
}

// Two browser processes (or a browser and the options panel) share the file: what one rewrites
// keeps what the other recorded meanwhile, and deleting still deletes for both.
TEST_F(UrlHistoryTest, TwoProcessesKeepEachOthersVisits) {
  FileUrlHistory first(path_);
  FileUrlHistory second(path_);
  first.Record("http://a.test/");
  second.Record("http://b.test/");
  first.Record("http://c.test/");
  EXPECT_TRUE(first.Remove("http://a.test/"));
  EXPECT_THAT(FileUrlHistory(path_).Entries(), ElementsAre("http://b.test/", "http://c.test/"));

  // Enough visits for the second to compact the file: the first's visit stays.
  for (int i = 0; i < 150; ++i) second.Record("http://u" + std::to_string(i % 2) + ".test/");
  EXPECT_LT(FileLines(), 100u);
  EXPECT_THAT(FileUrlHistory(path_).Entries(), ElementsAre("http://b.test/", "http://c.test/",
                                                           "http://u0.test/", "http://u1.test/"));

  // Removals in a batch, as the options panel makes them, leave the other's new visits.
  second.BeginBatch();
  second.Remove("http://b.test/");
  first.Record("http://d.test/");
  second.Remove("http://u0.test/");
  second.EndBatch();
  EXPECT_THAT(FileUrlHistory(path_).Entries(),
              ElementsAre("http://c.test/", "http://u1.test/", "http://d.test/"));

  // What one clears does not come back from the other's memory.
  first.Clear();
  second.Remove("http://u1.test/");
  second.Record("http://e.test/");
  EXPECT_THAT(FileUrlHistory(path_).Entries(), ElementsAre("http://e.test/"));
}

TEST_F(UrlHistoryTest, KeepsTheLatestThousand) {
  FileUrlHistory history(path_);
  for (int i = 0; i < 1005; ++i) history.Record("http://u" + std::to_string(i) + ".test/");
  std::vector<std::string> entries = history.Entries();
  ASSERT_EQ(entries.size(), FileUrlHistory::kMaxEntries);
  EXPECT_EQ(entries.front(), "http://u5.test/");
  EXPECT_EQ(entries.back(), "http://u1004.test/");
  EXPECT_EQ(FileUrlHistory(path_).Entries(), entries);

  // A dropped address comes back as a new one, pushing out the next oldest.
  history.Record("http://u0.test/");
  entries = history.Entries();
  ASSERT_EQ(entries.size(), FileUrlHistory::kMaxEntries);
  EXPECT_EQ(entries.front(), "http://u6.test/");
  EXPECT_EQ(entries.back(), "http://u0.test/");
  EXPECT_EQ(FileUrlHistory(path_).Entries(), entries);
}

TEST_F(UrlHistoryTest, FileOverTheCapLoadsTheLatestThousand) {
  std::string contents;
  for (int i = 0; i < 1500; ++i) contents += "http://u" + std::to_string(i) + ".test/\n";
  WriteFile(contents);
  const std::vector<std::string> entries = FileUrlHistory(path_).Entries();
  ASSERT_EQ(entries.size(), FileUrlHistory::kMaxEntries);
  EXPECT_EQ(entries.front(), "http://u500.test/");
  EXPECT_EQ(entries.back(), "http://u1499.test/");
}

TEST_F(UrlHistoryTest, SkipsBadLinesOfAnEditedFile) {
  WriteFile(
      "http://a.test/\r\n\n\nhttp://\xff.test/\nabout:blank\nhttp://b.test/\n"
      "http://a.test/\nhttp://c.test/");
  FileUrlHistory history(path_);
  EXPECT_THAT(history.Entries(), ElementsAre("http://b.test/", "http://a.test/", "http://c.test/"));
  // The cut last line must not run into the next address.
  history.Record("http://d.test/");
  EXPECT_THAT(FileUrlHistory(path_).Entries(),
              ElementsAre("http://b.test/", "http://a.test/", "http://c.test/", "http://d.test/"));
}

// Bad bytes never cost the good lines around them.
TEST_F(UrlHistoryTest, BinaryLinesAreSkippedAndTheRestKept) {
  std::string contents;
  for (int i = 0; i < 100; ++i) contents += "http://u" + std::to_string(i) + ".test/\n";
  contents.insert(contents.size() / 2, "\177ELF\x02\x01\0\0\xff\xfe\n"s);
  WriteFile(contents);
  FileUrlHistory history(path_);
  EXPECT_EQ(history.Entries().size(), 100u);
  history.Record("http://c.test/");
  const std::vector<std::string> entries = FileUrlHistory(path_).Entries();
  ASSERT_EQ(entries.size(), 101u);
  EXPECT_EQ(entries.front(), "http://u0.test/");
  EXPECT_EQ(entries.back(), "http://c.test/");
  EXPECT_EQ(FileContents().find('\0'), std::string::npos);
}

// The file is bounded by size as well as by count, and what goes is the oldest.
TEST_F(UrlHistoryTest, LongAddressesKeepTheFileSmallAndTheNewestAddresses) {
  {
    FileUrlHistory history(path_);
    for (int i = 0; i < 40; ++i) {
      history.Record("http://u" + std::to_string(i) + ".test/?" + std::string(1 << 18, 'x'));
    }
  }
  EXPECT_LE(std::filesystem::file_size(path_), 2 * FileUrlHistory::kMaxBytes + (1 << 18));
  const std::vector<std::string> entries = FileUrlHistory(path_).Entries();
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.back().substr(0, 16), "http://u39.test/");
  EXPECT_EQ(entries.size(), FileUrlHistory::kMaxBytes / ((1 << 18) + 18));
}

TEST_F(UrlHistoryTest, OversizedFileGivesItsNewestAddresses) {
  std::string contents(20u << 20, 'x');
  contents += "\nhttp://old.test/\nhttp://newest.test/\n";
  WriteFile(contents);
  FileUrlHistory history(path_);
  EXPECT_THAT(history.Entries(), ElementsAre("http://old.test/", "http://newest.test/"));
  history.Record("http://next.test/");
  EXPECT_EQ(FileContents(), "http://old.test/\nhttp://newest.test/\nhttp://next.test/\n");
}

TEST_F(UrlHistoryTest, DirectoryInPlaceOfTheFile) {
  std::filesystem::create_directory(path_);
  FileUrlHistory history(path_);
  EXPECT_THAT(history.Entries(), IsEmpty());
  history.Record("http://a.test/");
  EXPECT_THAT(history.Entries(), ElementsAre("http://a.test/"));
}

TEST_F(UrlHistoryTest, WriteFailureKeepsTheVisitInMemory) {
  WriteFile("not a folder");
  FileUrlHistory history(path_ + "/lumetta/history");
  int signals = 0;
  history.signal_recorded().connect([&](const std::string&) { ++signals; });
  history.Record("http://a.test/");
  history.Record("http://b.test/");
  EXPECT_THAT(history.Entries(), ElementsAre("http://a.test/", "http://b.test/"));
  EXPECT_EQ(signals, 2);
}

TEST_F(UrlHistoryTest, ForThisUserUsesXdgDataHome) {
  const std::string data_home = (dir_ / "data").string();
  g_setenv("XDG_DATA_HOME", data_home.c_str(), TRUE);
  FileUrlHistory::ForThisUser()->Record("http://a.test/");
  const std::filesystem::path folder = dir_ / "data" / "lumetta";
  ASSERT_TRUE(std::filesystem::is_regular_file(folder / "history"));
  EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
            std::filesystem::perms::owner_all);
  EXPECT_THAT(FileUrlHistory::ForThisUser()->Entries(), ElementsAre("http://a.test/"));
}

TEST_F(UrlHistoryTest, ForThisUserDefaultsToLocalShareUnderHome) {
  g_setenv("HOME", (dir_ / "home").c_str(), TRUE);
  g_unsetenv("XDG_DATA_HOME");
  FileUrlHistory::ForThisUser()->Record("http://a.test/");
  EXPECT_TRUE(std::filesystem::is_regular_file(dir_ / "home/.local/share/lumetta/history"));
}

}  // namespace
}  // namespace lumetta
