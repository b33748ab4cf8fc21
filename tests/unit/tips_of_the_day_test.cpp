#include "tips/tips_of_the_day.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "tips/tip_texts.h"

namespace quorvane {
namespace {

constexpr std::string_view kFolder = "C:\\Program Files\\Quorvane";
const std::string kTipFile = "C:\\Program Files\\Quorvane\\TIPOFDAY.TXT";

struct TipWindowFixture : ::testing::Test {
  testing::MemoryFileSystem files;
  testing::GbkCodec gbk;
  testing::ScriptedRandom random{{0.0f, 0.99f, 0.5f}};
  testing::RecordingLabel label;
  TipsOfTheDay tips{files, gbk, random, label};
};

TEST_F(TipWindowFixture, MissingFileTextIsAssembledWordForWord) {
  EXPECT_EQ(MissingTipFileText(),
            "文件 TIPOFDAY.TXT 没有被找到吗? \r\n\r\n"
            "创建文本文件名为 TIPOFDAY.TXT 使用记事本每行写一条提示。 然后将它存放在应用程序所在的目录 ");
}

TEST_F(TipWindowFixture, LoadsTheFolderTipFileAndShowsARandomTip) {
  files.Put(kTipFile, testing::ToGbk("第一条\r\n第二条\r\n第三条\r\n"));
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::Loaded);
  EXPECT_EQ(tips.Tips().Count(), 3u);
  EXPECT_EQ(label.text, "第一条");  // r = 0
  tips.ShowRandomTip();
  EXPECT_EQ(label.text, "第三条");  // r = 0.99
}

TEST_F(TipWindowFixture, FindsTheFileWhateverTheCaseOfItsName) {
  files.Put("C:\\Program Files\\Quorvane\\tipofday.txt", "one");
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::Loaded);
  EXPECT_EQ(label.text, "one");
}

TEST_F(TipWindowFixture, MissingFileShowsTheTextAndKeepsEarlierTips) {
  files.Put(kTipFile, "kept");
  tips.LoadFromFolder(kFolder);
  files.Remove(kTipFile);  // deleted while the program runs
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::NotFound);
  EXPECT_EQ(label.text, MissingTipFileText());
  EXPECT_EQ(tips.Tips().Count(), 1u);
  tips.ShowRandomTip();
  EXPECT_EQ(label.text, "kept");
}

TEST_F(TipWindowFixture, EmptyPathOrNoFileChangesNothing) {
  for (const std::string_view path : {std::string_view{}, std::string_view{"C:\\nowhere\\TIPOFDAY.TXT"}}) {
    EXPECT_EQ(tips.LoadTips(path).status, TipFileStatus::NotFound);
    EXPECT_EQ(label.changes, 0);
    EXPECT_EQ(tips.Tips().Count(), 0u);
  }
}

TEST_F(TipWindowFixture, EmptyFileLoadsWithoutShowingAnything) {
  files.Put(kTipFile, "");
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::Loaded);
  EXPECT_EQ(label.changes, 0);
  tips.ShowRandomTip();  // "下一条提示" with nothing to show
  EXPECT_EQ(label.changes, 0);
}

TEST_F(TipWindowFixture, EveryLoadAppendsTheFileAgain) {
  files.Put(kTipFile, "a\r\nb");
  for (int opening = 1; opening <= 3; ++opening) {
    tips.LoadFromFolder(kFolder);
    EXPECT_EQ(tips.Tips().Count(), 2u * opening);
  }
}

TEST_F(TipWindowFixture, OneLineFileAlwaysShowsThatLine) {
  files.Put(kTipFile, "only\r\n");
  tips.LoadFromFolder(kFolder);
  for (int press = 0; press < 3; ++press) {
    tips.ShowRandomTip();
    EXPECT_EQ(label.text, "only");
  }
}

TEST_F(TipWindowFixture, BlankLineIsDrawnAsAnEmptyTip) {
  files.Put(kTipFile, "\r\nsecond");
  tips.LoadFromFolder(kFolder);  // r = 0 draws the blank first line
  EXPECT_EQ(label.changes, 1);
  EXPECT_EQ(label.text, "");
}

TEST_F(TipWindowFixture, UnreadableFileReportsWhyAndAddsNothing) {
  files.Put(kTipFile, "tip");
  files.MakeUnreadable(kTipFile);
  const TipFileLoad load = tips.LoadFromFolder(kFolder);
  EXPECT_EQ(load.status, TipFileStatus::Unreadable);
  EXPECT_EQ(load.reason, "Access is denied.");
  EXPECT_EQ(tips.Tips().Count(), 0u);
  EXPECT_EQ(label.changes, 0);
  EXPECT_EQ(UnreadableTipFileText(kTipFile, load.reason),
            "无法读取提示文件 C:\\Program Files\\Quorvane\\TIPOFDAY.TXT\r\n\r\nAccess is denied.");
}

}  // namespace
}  // namespace quorvane
