// The medication diary: its file, its month view and the reminder that follows the day.
#include <gtest/gtest.h>

#include "app/day_following_reminder.h"
#include "diary/diary_month.h"
#include "fakes.h"

namespace quorvane {
namespace {

constexpr char kFolder[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane";
constexpr char kPath[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane\\doselog.csv";
const std::string kHead =
    "\xEF\xBB\xBF"
    "date,status,drug,dose,note,logged_at\r\n";

DiaryEntry Entry(CivilDate day, DoseStatus status, std::string note = "") {
  return {day, status, "强的松", "6", std::move(note), {day, 8, 5, 0}};
}
std::string Row(CivilDate day, DoseStatus status, std::string note = "") {
  return FormatDiaryRow(Entry(day, status, std::move(note))) + "\r\n";
}

TEST(DiaryRows, QuotesWhatCsvNeedsQuotedAndReadsItBack) {
  const struct {
    const char *note, *row;
  } cases[] = {
      {"", "2026-12-07,taken,强的松,6,,2026-12-07T08:05:00"},
      {"早饭后", "2026-12-07,taken,强的松,6,早饭后,2026-12-07T08:05:00"},
      {"早饭后,温水", "2026-12-07,taken,强的松,6,\"早饭后,温水\",2026-12-07T08:05:00"},
      {"说\"好\"", "2026-12-07,taken,强的松,6,\"说\"\"好\"\"\",2026-12-07T08:05:00"},
      {"两行\r\n文字", "2026-12-07,taken,强的松,6,\"两行\r\n文字\",2026-12-07T08:05:00"},
  };
  for (const auto& c : cases) {
    const DiaryEntry entry = Entry({2026, 12, 7}, DoseStatus::Taken, c.note);
    EXPECT_EQ(FormatDiaryRow(entry), c.row);
    const DiaryRows read = ParseDiaryRows(kHead + c.row + "\r\n");
    ASSERT_EQ(read.rows.size(), 1u) << c.note;
    EXPECT_EQ(read.rows[0].entry, entry) << c.note;
  }
}

struct DiaryFile : ::testing::Test {
  testing::FakeFileSystem files;
  Diary diary{files, kPath};
  FileError error;
};

TEST_F(DiaryFile, HoldsOneRowPerDayInDateOrderWithBomAndCrLf) {
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 7}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 5}, DoseStatus::Missed), &error));
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 7}, DoseStatus::Missed, "晚了"), &error));
  EXPECT_EQ(files.files[kPath],
            kHead + Row({2026, 12, 5}, DoseStatus::Missed) + Row({2026, 12, 7}, DoseStatus::Missed, "晚了"));
  ASSERT_TRUE(diary.Clear({2026, 12, 5}, &error));
  EXPECT_EQ(diary.Find({2026, 12, 5}), nullptr);
  EXPECT_EQ(diary.Find({2026, 12, 7})->note, "晚了");
}

TEST_F(DiaryFile, KeepsRowsItCannotReadThroughEveryChange) {
  const std::string unreadable =
      "2026-12-32,taken,强的松,6,,2026-12-01T08:05:00\r\n"          // no such day
      "2026-12-01,eaten,强的松,6,,2026-12-01T08:05:00\r\n"          // unknown status
      "2026-12-01,taken,强的松,6,2026-12-01T08:05:00\r\n"           // five fields
      "2026-12-01,taken,强\"的\"松,6,,2026-12-01T08:05:00\r\n"      // quotes in a bare field
      "2026-12-01,taken,强的松,6,,2026-12-01 08:05\r\n"             // another time form
      "2026-12-01,taken,\xB3\xA3,6,,2026-12-01T08:05:00\r\n"        // not UTF-8
      "2026-12-03,missed,强的松,6,,2026-12-03T09:00:00\r\n";        // a second row for a day
  const std::string unclosed = "2026-12-09,taken,\"强的松\r\n6,,";  // runs to the end
  files.files[kPath] = kHead + Row({2026, 12, 3}, DoseStatus::Taken) + unreadable + unclosed;
  ASSERT_TRUE(diary.Load(&error));
  EXPECT_EQ(diary.UnreadableRows(), 8);
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 10}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Clear({2026, 12, 3}, &error));
  EXPECT_EQ(files.files[kPath], kHead + unreadable + Row({2026, 12, 10}, DoseStatus::Taken) + unclosed);
}

TEST_F(DiaryFile, AFailedWriteOrAnUnreadableFileLeavesTheFileAsItWas) {
  const std::string stored = kHead + Row({2026, 12, 3}, DoseStatus::Taken);
  files.files[kPath] = stored;
  files.diskFull = true;
  EXPECT_FALSE(diary.Put(Entry({2026, 12, 4}, DoseStatus::Taken), &error));
  EXPECT_EQ(diary.Find({2026, 12, 4}), nullptr);
  files.diskFull = false;
  files.unreadable.insert(kPath);
  EXPECT_FALSE(diary.Clear({2026, 12, 3}, &error));
  EXPECT_FALSE(diary.Put(Entry({2026, 12, 4}, DoseStatus::Taken), &error));
  EXPECT_EQ(files.files[kPath], stored);
  files.files.erase(kPath);
  files.files[kFolder] = "a file where the folder should be";
  EXPECT_FALSE(diary.Put(Entry({2026, 12, 4}, DoseStatus::Taken), &error));
  EXPECT_EQ(error.description, "当文件已存在时，无法创建该文件。");
}

TEST_F(DiaryFile, MarksDoseDaysUnderEachSwitchValue) {
  const std::pair<int, const char*> cases[] = {
      {1, "x.x.x.x.x"},  // ticked: every second day from the start date, either side
      {0, "xxxxxxxxx"},  // clear: every day
      {2, "........."},  // grey: none, as the reminder shows none
  };
  for (const auto& [alternateDay, expected] : cases) {
    std::string days;  // 2006-05-18 to 26 around the start date 2006-05-22
    for (const DayMark& mark :
         MonthMarks(diary, {"", "2006-05-22", "", alternateDay}, 2006, 5, {2006, 5, 31}))
      if (mark.date.day >= 18 && mark.date.day <= 26) days += mark.doseDay ? 'x' : '.';
    EXPECT_EQ(days, expected) << alternateDay;
  }
}

TEST_F(DiaryFile, SummarisesTheDoseDaysUpToToday) {
  ASSERT_TRUE(diary.Put(Entry({2006, 5, 22}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Put(Entry({2006, 5, 23}, DoseStatus::Missed), &error));
  ASSERT_TRUE(diary.Put(Entry({2006, 5, 24}, DoseStatus::Missed), &error));
  const struct {
    int alternateDay, month, today;
    const char* expected;
  } cases[] = {
      {1, 5, 24, "本月服药日 12 天：已服 1 天，漏服 1 天，未记录 10 天"},
      {0, 5, 24, "本月服药日 24 天：已服 1 天，漏服 2 天，未记录 21 天"},
      {2, 5, 24, "本月服药日 0 天：已服 0 天，漏服 0 天，未记录 0 天"},
      {0, 5, 22, "本月服药日 22 天：已服 1 天，漏服 0 天，未记录 21 天"},
      {0, 6, 24, "本月服药日 0 天：已服 0 天，漏服 0 天，未记录 0 天"},
  };
  for (const auto& c : cases) {
    const auto marks =
        MonthMarks(diary, {"", "2006-05-22", "", c.alternateDay}, 2006, c.month, {2006, 5, c.today});
    EXPECT_EQ(MonthSummaryText(SummarizeMonth(marks)), c.expected) << c.alternateDay << " " << c.today;
  }
}

TEST(DayFollowingReminder, RemindsOnceForEachLaterDay) {
  const struct {
    CivilDate last, today;
    bool remind;
  } cases[] = {
      {{2026, 12, 6}, {2026, 12, 6}, false},  // the same day again
      {{2026, 12, 6}, {2026, 12, 7}, true},   // across midnight
      {{2026, 12, 31}, {2027, 1, 1}, true},   // across the year
      {{2026, 12, 6}, {2026, 12, 5}, false},  // clock set back
      {{2026, 12, 6}, {2026, 12, 10}, true},  // several days asleep
  };
  for (const auto& c : cases) EXPECT_EQ(IsNewReminderDay(c.last, c.today), c.remind) << c.today.day;
  EXPECT_EQ(MillisecondsToMidnight(23, 59, 59, 500), 500);
  EXPECT_EQ(MillisecondsToMidnight(0, 0, 0, 0), 86'400'000);
}

struct FakeWindow : MainWindowHost {
  RegimenValues Controls() const override { return {"强的松", "2006-05-22", "6", 0, 1, 1}; }  // every day
  void Hide() override {}
  void SetControls(const RegimenValues&) override {}
  void AddTrayIcon() override {}
  void SetTrayTip(std::string_view) override {}
  void OpenTipWindow() override {}
};

// A box that stays open while the day moves on and the watch fires again.
struct BoxOpenPastMidnight : testing::RecordingBoxes {
  std::function<void()> whileOpen;
  void Show(std::string_view text) override {
    RecordingBoxes::Show(text);
    if (auto next = std::exchange(whileOpen, nullptr)) next();
  }
};

TEST(DayFollowingReminder, ShowsTheNewDaysBoxOnceAndNeverStacksOne) {
  testing::FixedClock clock({2006, 5, 22});
  FakeWindow window;
  BoxOpenPastMidnight boxes;
  DayFollowingReminder reminder(window, boxes, clock);
  reminder.StartToday();
  reminder.OnDayMayHaveChanged();
  clock.today = {2006, 5, 23};
  boxes.whileOpen = [&] { clock.today = {2006, 5, 24}, reminder.OnDayMayHaveChanged(); };
  reminder.OnDayMayHaveChanged();
  reminder.OnDayMayHaveChanged();
  clock.today = {2006, 5, 20};
  reminder.OnDayMayHaveChanged();
  EXPECT_EQ(boxes.shown, std::vector<std::string>{"强的松6片，别忘记！"});
}

}  // namespace
}  // namespace quorvane
