#include "tips/tip_update.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "tips/tip_texts.h"

namespace quorvane {
namespace {

constexpr std::string_view kFolder = "C:\\Quorvane";
constexpr std::string_view kTipFile = "C:\\Quorvane\\TIPOFDAY.TXT";
constexpr std::string_view kAddress = "http://tips.example.invalid/dl/tipofday.txt";
const std::string kOldFile = testing::ToGbk("旧的一条\r\n旧的两条\r\n");
const std::string kSucceeded(kTipUpdateSucceeded);
const std::string kFailed(kTipUpdateFailed);

HttpResponse Answer(int status, std::string body) { return {true, status, std::move(body), true}; }

struct TipUpdateFixture : ::testing::Test {
  testing::MemoryFileSystem files;
  testing::GbkCodec gbk;
  testing::ScriptedRandom random{{0.0f, 0.99f}};
  testing::RecordingLabel label;
  TipsOfTheDay tips{files, gbk, random, label};
  testing::FakeHttpClient http;
  testing::RecordingBoxes boxes;

  void SetUp() override {
    files.Put(kTipFile, kOldFile);
    tips.LoadFromFolder(kFolder);  // the open window: two tips, the first on show
  }
  void Update() { UpdateTipFile({http, files, boxes, tips, std::string(kAddress), std::string(kFolder)}); }
};

TEST_F(TipUpdateFixture, SuccessReplacesTheFileAndAppendsTheNewTips) {
  const std::string served = "\xEF\xBB\xBF新的一条\r\n新的两条\r\n新的三条";
  http.response = Answer(200, served);
  Update();
  EXPECT_EQ(http.requested, std::vector<std::string>{std::string(kAddress)});
  EXPECT_EQ(files.Content(kTipFile), served);  // the served bytes, unconverted
  EXPECT_EQ(boxes.shown, std::vector<std::string>{kSucceeded});
  EXPECT_EQ(tips.Tips().Count(), 5u);  // the old tips stay in the list
  EXPECT_EQ(label.text, "新的三条");   // r = 0.99 draws from the whole list
}

TEST_F(TipUpdateFixture, SuccessAcceptsAny2xxStatusAndABodyOfExactlyTheLimit) {
  for (const int status : {200, 203, 299}) {
    http.response = Answer(status, std::string(kMaxTipFileBytes, 'x'));
    boxes.shown.clear();
    Update();
    EXPECT_EQ(boxes.shown, std::vector<std::string>{kSucceeded}) << status;
    EXPECT_EQ(files.Content(kTipFile)->size(), kMaxTipFileBytes);
  }
}

TEST_F(TipUpdateFixture, SameBodyAgainAddsEveryTipOnceMore) {
  http.response = Answer(200, kOldFile);
  Update();
  Update();
  EXPECT_EQ(tips.Tips().Count(), 6u);
  EXPECT_EQ(boxes.shown, (std::vector<std::string>{kSucceeded, kSucceeded}));
}

TEST_F(TipUpdateFixture, BodyWithoutCarriageReturnsIsOneTip) {
  http.response = Answer(200, "one\ntwo\nthree\n");
  Update();
  EXPECT_EQ(tips.Tips().Count(), 3u);
  EXPECT_EQ(label.text, "one\ntwo\nthree\n");
}

TEST_F(TipUpdateFixture, EveryFailureShowsTheFailureBoxAndLeavesTheOldFileWhole) {
  const struct {
    std::string_view what;
    HttpResponse response;
    bool writeFails;
  } cases[] = {
      {"refused connection", {}, false},
      {"time-out while the body arrives", {false, 200, "新的一", false}, false},
      {"silent server, status 0", Answer(0, ""), false},
      {"404", Answer(404, "<html>Not Found</html>"), false},
      {"500", Answer(500, "<html>Internal Server Error</html>"), false},
      {"301 not followed", Answer(301, "<html>Moved</html>"), false},
      {"empty body", Answer(200, ""), false},
      {"204 without a body", Answer(204, ""), false},
      {"body cut short", {true, 200, "新的一", false}, false},
      {"body over the limit", Answer(200, std::string(kMaxTipFileBytes + 1, 'x')), false},
  };
  for (const auto& c : cases) {
    http.response = c.response;
    files.failWrites = c.writeFails;
    boxes.shown.clear();
    const std::string labelBefore = label.text;
    Update();
    EXPECT_EQ(boxes.shown, std::vector<std::string>{kFailed}) << c.what;
    EXPECT_EQ(files.Content(kTipFile), kOldFile) << c.what;
    EXPECT_EQ(files.FileCount(), 1u) << c.what;
    EXPECT_EQ(tips.Tips().Count(), 2u) << c.what;
    EXPECT_EQ(label.text, labelBefore) << c.what;
  }
}

TEST_F(TipUpdateFixture, FirstDownloadIntoAFolderWithoutATipFile) {
  files.Remove(kTipFile);
  http.response = Answer(200, "first\r\n");
  Update();
  EXPECT_EQ(files.Content(kTipFile), "first\r\n");
  EXPECT_EQ(tips.Tips().Count(), 3u);
}

TEST_F(TipUpdateFixture, FailedReloadComesAfterTheSuccessBox) {
  http.response = Answer(200, "新的一条\r\n");
  files.MakeUnreadable(kTipFile);
  Update();
  EXPECT_EQ(boxes.shown, (std::vector<std::string>{kSucceeded, kFailed}));
  EXPECT_EQ(files.Content(kTipFile), "新的一条\r\n");  // the new file is in place
  EXPECT_EQ(tips.Tips().Count(), 2u);
}

}  // namespace
}  // namespace quorvane
