#include "engine/title_inference.h"

#include <gtest/gtest.h>

namespace lumetta {
namespace {

constexpr char kUrl[] = "http://host.example/page";

class TitleInferenceTest : public testing::Test {
 protected:
  // A load that commits a new document.
  void Commit() {
    titles_.LoadStarted();
    titles_.DocumentCommitted();
  }

  TitleInference titles_;
};

TEST_F(TitleInferenceTest, EmptyEngineTitleWaitsForTheDocumentsReport) {
  Commit();
  // The engine empties its title at the commit: nothing is known yet.
  EXPECT_EQ(titles_.EngineTitleChanged("", kUrl, TitleSource::kDocument), std::nullopt);
  EXPECT_TRUE(titles_.LoadFinished());
  // No title element: the address names the page.
  EXPECT_EQ(titles_.Settle(TitleReport{"", false}, "", kUrl, TitleSource::kDocument), kUrl);
  EXPECT_EQ(titles_.LocationName("", kUrl), kUrl);

  // An empty title element is the document's choice.
  Commit();
  EXPECT_EQ(titles_.Settle(TitleReport{"", true}, "", kUrl, TitleSource::kDocument), "");
  EXPECT_EQ(titles_.LocationName("", kUrl), "");
  // A document that could not be asked is named by its address.
  Commit();
  EXPECT_EQ(titles_.Settle(std::nullopt, "", kUrl, TitleSource::kDocument), kUrl);
}

TEST_F(TitleInferenceTest, EachTitleIsRaisedOnceAndTheEnginesWins) {
  Commit();
  EXPECT_EQ(titles_.EngineTitleChanged("页面甲", kUrl, TitleSource::kDocument), "页面甲");
  EXPECT_EQ(titles_.Settle(TitleReport{"页面甲", true}, "页面甲", kUrl, TitleSource::kDocument),
            std::nullopt);
  // The engine's title stands over an older report.
  Commit();
  EXPECT_EQ(titles_.Settle(TitleReport{"old", true}, "new", kUrl, TitleSource::kDocument), "new");
}

TEST_F(TitleInferenceTest, StoppedLoadKeepsTheDocumentThatWasThere) {
  Commit();
  titles_.Settle(TitleReport{"甲", true}, "甲", kUrl, TitleSource::kDocument);
  titles_.LoadStarted();
  EXPECT_FALSE(titles_.LoadFinished());
  EXPECT_TRUE(titles_.Settled());
}

TEST_F(TitleInferenceTest, OwnPagesAreNeverNamedByTheirAddress) {
  Commit();
  EXPECT_EQ(titles_.Settle(TitleReport{"", false}, "", kUrl, TitleSource::kServerNotFoundPage),
            std::nullopt);
  EXPECT_EQ(
      titles_.EngineTitleChanged(kServerNotFoundTitle, kUrl, TitleSource::kServerNotFoundPage),
      kServerNotFoundTitle);
}

}  // namespace
}  // namespace lumetta
