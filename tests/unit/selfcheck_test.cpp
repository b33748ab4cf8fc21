// The weekly self-check: its item texts, its file, the advice after saving,
// the trend, the weekly nudge; the size limit of the record files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "diary/diary.h"
#include "fakes.h"
#include "selfcheck/self_check.h"
#include "selfcheck/weekly_nudge.h"

namespace quorvane {
namespace {

constexpr char kFolder[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane";
constexpr char kPath[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane\\selfcheck.csv";
const std::string kHead =
    "\uFEFFdate,talking,chewing,swallowing,breathing,grooming,rising,double_vision,eyelid_droop,total,note,"
    "logged_at\r\n";

SelfCheck Check(CivilDate day, std::array<int, 8> scores, std::string note = "") {
  return {day, scores, std::move(note), {day, 20, 15, 0}};
}

TEST(MgAdlScale, ReadsTheShippedItemsInThePublishedOrder) {
  std::ifstream in(QUORVANE_SOURCE_DIR "/resources/selfcheck/mg-adl.txt", std::ios::binary);
  std::string error;
  const auto scale = ParseMgAdlScale(std::string(std::istreambuf_iterator<char>(in), {}), &error);
  ASSERT_TRUE(scale) << error;
  std::string names;
  for (const MgAdlItemText& item : scale->items) names += item.ShortName() + "/";
  EXPECT_EQ(names, "说话/咀嚼/吞咽/呼吸/刷牙或梳头/从椅子上站起来/复视/眼睑下垂/");
  EXPECT_EQ(scale->items[kBreathing].answers[3], "3 依赖呼吸机");
}

TEST(MgAdlScale, NamesWhatIsWrongWithABrokenFile) {
  std::string good = "attribution=a\nrecall=r\ncitation=c\n";
  for (int i = 0; i < 8; ++i) good += "[" + std::string(kMgAdlKeys[i]) + "] 名\n0 a\n1 b\n2 c\n3 d\n";
  const auto replaced = [&](std::string_view from, std::string_view to) {
    std::string text = good;
    return text.replace(text.find(from), from.size(), to);
  };
  const std::pair<std::string, const char*> cases[] = {
      {replaced("[chewing]", "[swallowing]"), "自评条目文件第 9 行：这里应是条目 [chewing]。"},
      {replaced("2 c\n3 d\n[chewing]", "2 c\n[chewing]"),
       "自评条目文件第 8 行：条目 [talking] 在这里应有以“3 ”开头的答案。"},
      {replaced("recall=r\n", ""), "自评条目文件结尾处：缺少“recall=”一行。"},
      {good + "[extra] x\n", "自评条目文件第 44 行：八个条目之后不应再有条目。"},
      {replaced("citation=c", "citation=c\nrecall=again"), "自评条目文件第 4 行：“recall=”重复了。"},
      {"\xB3\xA3" + good, "自评条目文件不是 UTF-8 文本。"},
  };
  std::string error;
  EXPECT_TRUE(ParseMgAdlScale("\uFEFF# comment\r\n" + good, &error)) << error;
  for (const auto& [text, expected] : cases) {
    EXPECT_FALSE(ParseMgAdlScale(text, &error));
    EXPECT_EQ(error, expected);
  }
}

struct SelfCheckStore : ::testing::Test {
  testing::FakeFileSystem files;
  SelfCheckFile file{files, kPath};
  FileError error;
};

TEST_F(SelfCheckStore, KeepsOneRowPerDayInDateOrderAndRowsItCannotRead) {
  const std::string unreadable =
      "2026-12-01,0,1,0,0,1,0,4,1,7,,2026-12-01T20:00:00\r\n"           // a score of 4
      "2026-12-01,0,1,0,0,1,0,2,1,6,,2026-12-01T20:00:00\r\n"           // total is not the sum
      "2026-12-01,0,1,0,0,1,0,2,1,05,,2026-12-01T20:00:00\r\n"          // total with a leading zero
      "2026-12-01,0,1,0,0,1,0,2,1,5,2026-12-01T20:00:00\r\n"            // a field short
      "2026-12-01,0,1,0,0,1,0,2,1,5,\xB3\xA3,2026-12-01T20:00:00\r\n";  // not UTF-8
  files.files[kPath] = kHead + unreadable;
  ASSERT_TRUE(file.Put(Check({2026, 12, 7}, {1, 0, 0, 0, 0, 0, 0, 0}), &error));
  ASSERT_TRUE(file.Put(Check({2026, 11, 30}, {0, 0, 0, 0, 0, 0, 0, 0}), &error));
  ASSERT_TRUE(file.Put(Check({2026, 12, 7}, {3, 3, 3, 3, 3, 3, 3, 3}, "感冒了,发烧"), &error));
  EXPECT_EQ(files.files[kPath], kHead + unreadable +
                                    "2026-11-30,0,0,0,0,0,0,0,0,0,,2026-11-30T20:15:00\r\n"
                                    "2026-12-07,3,3,3,3,3,3,3,3,24,\"感冒了,发烧\",2026-12-07T20:15:00\r\n");
  ASSERT_TRUE(file.Load(&error));
  EXPECT_EQ(file.UnreadableRows(), 5);
  const SelfCheck* read = file.Find({2026, 12, 7});
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(*read, Check({2026, 12, 7}, {3, 3, 3, 3, 3, 3, 3, 3}, "感冒了,发烧"));
}

TEST_F(SelfCheckStore, AFileOver16MiBIsNotReadAndTakesNoChange) {
  files.files[kPath] = kHead + std::string(16 * 1024 * 1024 - kHead.size(), '\n');
  EXPECT_TRUE(file.Load(&error));
  files.files[kPath] += '\n';
  files.reads = 0;
  EXPECT_FALSE(file.Put(Check({2026, 12, 7}, {}), &error));
  EXPECT_EQ(error.description, "文件有 16.0 MB，超过了 16 MB 的上限。程序没有读取它，也不会改动它。");
  EXPECT_EQ(files.reads, 0);
  EXPECT_EQ(files.files[kPath].size(), 16u * 1024 * 1024 + 1);
  // The diary reads through the same path.
  const std::string diaryPath = std::string(kFolder) + "\\doselog.csv";
  files.files[diaryPath] = std::string(40 * 1024 * 1024, 'x');
  Diary diary(files, diaryPath);
  EXPECT_FALSE(diary.Load(&error));
  EXPECT_EQ(error.description, "文件有 40.0 MB，超过了 16 MB 的上限。程序没有读取它，也不会改动它。");
}

TEST(SelfCheckAdvice, AnEmergencyComesFirstThenARiseOfTwo) {
  const SelfCheck before =
      Check({2026, 11, 30}, {0, 0, 1, 2, 0, 0, 0, 0});  // swallowing 1, breathing 2, total 3
  const struct {
    std::array<int, 8> scores;
    bool previous;
    AfterSaveAdvice advice;
    const char* opening;  // the box's first line
  } cases[] = {
      // clang-format off
      {{0, 0, 2, 2, 0, 0, 0, 0}, true, AfterSaveAdvice::Emergency, "您这次自评中，吞咽一项为 2 分，比上次高。"},
      {{0, 0, 1, 3, 0, 0, 0, 0}, true, AfterSaveAdvice::Emergency, "您这次自评中，呼吸一项为 3 分，比上次高。"},
      {{0, 0, 2, 2, 0, 0, 0, 0}, false, AfterSaveAdvice::Emergency, "您这次自评中，呼吸一项为 2 分、吞咽一项为 2 分。"},
      {{2, 2, 1, 2, 0, 0, 0, 0}, true, AfterSaveAdvice::Rise,  // breathing 2 as before: no emergency
       "您这次自评总分为 7 分，比上次（11月30日）的 3 分高 4 分。"},
      {{1, 0, 1, 2, 0, 0, 0, 1}, true, AfterSaveAdvice::Rise, "您这次自评总分为 5 分，比上次（11月30日）的 3 分高 2 分。"},
      {{1, 0, 1, 2, 0, 0, 0, 0}, true, AfterSaveAdvice::None, ""},   // up 1
      {{3, 3, 1, 1, 3, 3, 3, 3}, false, AfterSaveAdvice::None, ""},  // no previous total to rise from
      // clang-format on
  };
  for (const auto& c : cases) {
    const AfterSaveBox box = AdviceAfterSave(Check({2026, 12, 7}, c.scores), c.previous ? &before : nullptr);
    EXPECT_EQ(box.advice, c.advice) << c.opening;
    EXPECT_EQ(box.text.substr(0, box.text.find("\r\n")), c.opening);
  }
  EXPECT_NE(
      AdviceAfterSave(Check({2026, 12, 7}, {0, 0, 3}), nullptr)
          .text.find("新出现或明显加重的呼吸困难或吞咽困难是急症。请立即拨打 120（在台湾地区拨打 119）"),
      std::string::npos);
}

TEST(SelfCheckTrend, ShowsTwentySixWeeksAndTheLatestChangeInWords) {
  const std::vector<SelfCheck> checks = {Check({2026, 6, 8}, {1}), Check({2026, 6, 9}, {2}),
                                         Check({2026, 11, 30}, {3}), Check({2026, 12, 7}, {3, 2})};
  const SelfCheckTrend trend = BuildTrend(checks, {2026, 12, 7});
  EXPECT_EQ(trend.first, (CivilDate{2026, 6, 9}));
  ASSERT_EQ(trend.points.size(), 3u);
  EXPECT_EQ(trend.points[0].total, 2);
  const std::pair<std::vector<SelfCheck>, const char*> labels[] = {
      {checks, "12月7日 自评 5 分，比上次高 2 分"},
      {{checks[2], Check({2026, 12, 7}, {1})}, "12月7日 自评 1 分，比上次低 2 分"},
      {{checks[2], Check({2026, 12, 7}, {1, 2})}, "12月7日 自评 3 分，与上次相同"},
      {{Check({2025, 12, 30}, {1})}, "2025年12月30日 自评 1 分，这是第一次自评"},
      {{}, "还没有自评记录"},
  };
  for (const auto& [list, label] : labels) EXPECT_EQ(BuildTrend(list, {2026, 12, 7}).label, label);
}

TEST(WeeklyNudge, ShowsOnceADayWhenTheLastCheckIsAWeekOld) {
  const CivilDate today{2026, 12, 7};
  const struct {
    bool on;
    std::optional<CivilDate> lastNudge, lastCheck;
    bool diaryUsed, due;
  } cases[] = {
      {true, std::nullopt, CivilDate{2026, 11, 30}, true, true},            // 7 days
      {true, std::nullopt, CivilDate{2026, 12, 1}, true, false},            // 6 days
      {true, CivilDate{2026, 12, 7}, CivilDate{2026, 11, 1}, true, false},  // shown today
      {true, CivilDate{2026, 12, 6}, CivilDate{2026, 11, 1}, true, true},   // shown yesterday
      {false, std::nullopt, CivilDate{2026, 11, 1}, true, false},           // switched off
      {true, std::nullopt, std::nullopt, true, true},                       // no check, diary used
      {true, std::nullopt, std::nullopt, false, false},                     // a new user
  };
  for (const auto& c : cases)
    EXPECT_EQ(WeeklyNudgeDue({c.on, c.lastNudge}, c.lastCheck, c.diaryUsed, today), c.due)
        << c.on << c.diaryUsed << (c.lastCheck ? c.lastCheck->day : 0);
}

TEST(WeeklyNudge, ReadsItsSettingsBesideTheDiaryAndNotesTheDayItShowed) {
  EXPECT_EQ(ParseSettings("\uFEFFweekly_selfcheck_reminder = 0\r\nlast_selfcheck_nudge=2026-12-06\r\n"),
            (SelfCheckSettings{false, CivilDate{2026, 12, 6}}));
  EXPECT_EQ(ParseSettings("weekly_selfcheck_reminder=yes\n\x01\x02=\nlast_selfcheck_nudge=2026-13-01"),
            SelfCheckSettings{});
  testing::FakeFileSystem files;
  WeeklyNudge nudge(files, kFolder);
  const std::string settings = std::string(kFolder) + "\\settings.ini";
  const std::string diary = std::string(kFolder) + "\\doselog.csv";
  EXPECT_FALSE(nudge.Due({2026, 12, 7}));
  files.files[diary] = "\uFEFFdate,status,drug,dose,note,logged_at\r\nunreadable\r\n";
  EXPECT_TRUE(nudge.Due({2026, 12, 7}));
  nudge.Shown({2026, 12, 7});
  EXPECT_EQ(files.files[settings],
            "\uFEFFweekly_selfcheck_reminder=1\r\nlast_selfcheck_nudge=2026-12-07\r\n");
  EXPECT_FALSE(nudge.Due({2026, 12, 7}));
  files.files[kPath] = kHead + SelfCheckFormat::FormatRow(Check({2026, 12, 2}, {})) + "\r\n";
  EXPECT_FALSE(nudge.Due({2026, 12, 8}));
  EXPECT_TRUE(nudge.Due({2026, 12, 9}));
  files.unreadable.insert(kPath);
  EXPECT_FALSE(nudge.Due({2026, 12, 9}));
}

}  // namespace
}  // namespace quorvane
