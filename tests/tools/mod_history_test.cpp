#include "tools/mod_history.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/fake_url_cache.h"
#include "tests/support/window_test.h"

namespace lumetta {
namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using Strings = std::vector<std::string>;

// What a message box showed, as "prompt|style|title".
using Shown = std::vector<std::string>;

const char kQuestion[] = "确实要删除所有浏览器及Cacke记录吗？|36|提示";
const char kSuccess[] = "已经清除成功!|64|提示";
const std::string kLongAddress = "http://tracker.test/click?u=" + std::string(3000, 'x');

struct ClearCase {
  const char* name;
  std::function<void(test::FakeUrlCache&)> setup;
  int answer;
  Shown shown;
  std::vector<CacheGroupId> groups_left;
  Strings entries_left;
};

class ClearHistoryTest : public test::WindowTest, public testing::WithParamInterface<ClearCase> {
 protected:
  ClearHistoryTest() {
    ThePlatform().message_box = &box_;
    ThePlatform().url_cache = &cache_;
  }
  ~ClearHistoryTest() override {
    ThePlatform().message_box = nullptr;
    ThePlatform().url_cache = nullptr;
  }

  Shown ShownBoxes() const {
    Shown shown;
    for (const auto& box : box_.shown) {
      shown.push_back(box.prompt + "|" + std::to_string(box.style) + "|" + box.title);
    }
    return shown;
  }

  test::FakeMessageBox box_;
  test::FakeUrlCache cache_;
};

TEST_P(ClearHistoryTest, MenuItemClearsTheCache) {
  cache_.groups = {1, 2};
  cache_.entries = {"http://a.test/", "http://百度.test/新闻", kLongAddress};
  GetParam().setup(cache_);
  box_.answers = {GetParam().answer};
  frmMain& form = OpenWindow();

  form.mnuMainToolHistoryClearExplorer.PerformClick();

  EXPECT_THAT(ShownBoxes(), ElementsAreArray(GetParam().shown));
  EXPECT_THAT(cache_.groups, ElementsAreArray(GetParam().groups_left));
  EXPECT_THAT(cache_.entries, ElementsAreArray(GetParam().entries_left));
}

const Strings kAllEntries = {"http://a.test/", "http://百度.test/新闻", kLongAddress};

INSTANTIATE_TEST_SUITE_P(
    Paths, ClearHistoryTest,
    testing::Values(
        ClearCase{"EmptyCache",
                  [](test::FakeUrlCache& cache) {
                    cache.groups.clear();
                    cache.entries.clear();
                  },
                  kIdYes,
                  {kQuestion, kSuccess},
                  {},
                  {}},
        ClearCase{"GroupsOnly",
                  [](test::FakeUrlCache& cache) { cache.entries.clear(); },
                  kIdYes,
                  {kQuestion, kSuccess},
                  {},
                  {}},
        ClearCase{"EntriesOnly",
                  [](test::FakeUrlCache& cache) { cache.groups.clear(); },
                  kIdYes,
                  {kQuestion, kSuccess},
                  {},
                  {}},
        // The group functions are missing: their phase is passed over without a word.
        ClearCase{"NoGroupFunctions",
                  [](test::FakeUrlCache& cache) { cache.missing_group_functions = true; },
                  kIdYes,
                  {kQuestion, kSuccess},
                  {1, 2},
                  {}},
        ClearCase{"FailingFirstGroupSearch",
                  [](test::FakeUrlCache& cache) { cache.first_group_error = 5; },
                  kIdYes,
                  {kQuestion, "出错：5|0|"},
                  {1, 2},
                  kAllEntries},
        ClearCase{"FailingGroupDelete",
                  [](test::FakeUrlCache& cache) { cache.group_delete_error = 5; },
                  kIdYes,
                  {kQuestion, "出错：5|0|"},
                  {1, 2},
                  kAllEntries},
        // The failed search is reported with a blank, and the same group is deleted again.
        ClearCase{"FailingNextGroup",
                  [](test::FakeUrlCache& cache) {
                    cache.next_group_failures = 1;
                    cache.next_group_error = 6;
                  },
                  kIdYes,
                  {kQuestion, "出错： 6|0|", kSuccess},
                  {},
                  {}},
        // A search that fails again ends the clearing rather than asking for ever.
        ClearCase{"NextGroupFailingAgain",
                  [](test::FakeUrlCache& cache) {
                    cache.next_group_failures = 1000;
                    cache.next_group_error = 6;
                  },
                  kIdYes,
                  {kQuestion, "出错： 6|0|", "出错： 6|0|"},
                  {2},
                  kAllEntries},
        ClearCase{"FailingNextEntry",
                  [](test::FakeUrlCache& cache) { cache.next_entry_error = 87; },
                  kIdYes,
                  {kQuestion, "出错：87|0|"},
                  {},
                  Strings{"http://百度.test/新闻", kLongAddress}},
        // An address too long for the first record is found again with more room.
        ClearCase{"LongEntryFirst",
                  [](test::FakeUrlCache& cache) {
                    cache.entries = {kLongAddress, "http://a.test/"};
                  },
                  kIdYes,
                  {kQuestion, kSuccess},
                  {},
                  {}},
        ClearCase{"AnswerNo", [](test::FakeUrlCache&) {}, kIdNo, {kQuestion}, {1, 2}, kAllEntries}),
    [](const testing::TestParamInfo<ClearCase>& info) { return info.param.name; });

using ClearHistoryWindowTest = ClearHistoryTest;

TEST_F(ClearHistoryWindowTest, WindowClosedWhileAskingClearsNothing) {
  cache_.groups = {1, 2};
  frmMain& form = OpenWindow();
  box_.answers = {kIdYes};
  box_.while_shown = [&] { form.Unload(); };
  form.mnuMainToolHistoryClearExplorer.PerformClick();
  EXPECT_THAT(cache_.groups, ElementsAre(1, 2));
}

TEST_F(ClearHistoryWindowTest, WindowClosedWhileClearingEndsInSilence) {
  cache_.groups = {1, 2};
  cache_.entries = {"http://a.test/"};
  frmMain& form = OpenWindow();
  frmMain& other = OpenWindow();
  box_.answers = {kIdYes};
  // Meanwhile the user asks again from the other window, then closes the first one.
  cache_.while_deleting_group = [&] {
    other.mnuMainToolHistoryClearExplorer.PerformClick();
    form.Unload();
  };
  form.mnuMainToolHistoryClearExplorer.PerformClick();

  EXPECT_THAT(ShownBoxes(), ElementsAre(kQuestion));
  EXPECT_THAT(cache_.groups, IsEmpty());
  EXPECT_THAT(cache_.entries, IsEmpty());
  // Each group was cleared once, and every search was closed.
  EXPECT_THAT(cache_.calls, ElementsAre("DeleteGroup 1 2", "DeleteGroup 2 2", "Close 1",
                                        "DeleteEntry http://a.test/", "Close 2"));

  // Once done, the other window may clear again.
  cache_.while_deleting_group = nullptr;
  box_.answers = {kIdYes};
  other.mnuMainToolHistoryClearExplorer.PerformClick();
  EXPECT_THAT(ShownBoxes(), ElementsAre(kQuestion, kQuestion, kSuccess));
}

}  // namespace
}  // namespace lumetta
