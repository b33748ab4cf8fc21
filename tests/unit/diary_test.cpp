#include <gtest/gtest.h>

#include "app/day_following_reminder.h"
#include "diary/diary_month.h"
#include "fakes.h"

namespace quorvane {
namespace {

using testing::MemoryFileSystem;
using testing::RecordingBoxes;

constexpr char kPath[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane\\doselog.csv";
const std::string kHead = "\xEF\xBB\xBF" "date,status,drug,dose,note,logged_at\r\n";

DiaryEntry Entry(CivilDate day, DoseStatus status, std::string note = "") {
  return {day, status, "强的松", "6", std::move(note), {day, 8, 5, 0}};
}

TEST(DiaryRows, QuotesWhatCsvNeedsQuotedAndReadsItBack) {
  const struct {
    const char* note;
    const char* row;
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

TEST(DiaryRows, CountsEveryRowItCannotRead) {
  const char* unreadable[] = {
      "2026-12-32,taken,强的松,6,,2026-12-07T08:05:00",   // no such day
      "2026-12-07,eaten,强的松,6,,2026-12-07T08:05:00",   // unknown status
      "2026-12-07,taken,强的松,6,2026-12-07T08:05:00",    // five fields
      "2026-12-07,taken,强\"的\"松,6,,2026-12-07T08:05:00", // quotes inside a bare field
      "2026-12-07,taken,强的松,6,,2026-12-07 08:05",      // time in another form
      "2026-12-07,taken,\xB3\xA3,6,,2026-12-07T08:05:00", // not UTF-8
  };
  for (const char* row : unreadable) {
    const DiaryRows read = ParseDiaryRows(kHead + row + "\r\n");
    EXPECT_EQ(read.unreadable, 1) << row;
    EXPECT_EQ(read.rows.at(0).text, row);
  }
}

struct DiaryFixture : ::testing::Test {
  MemoryFileSystem files;
  Diary diary{files, kPath};
  FileError error;
  std::string File() const { return files.Content(kPath).value_or("(none)"); }
};

TEST_F(DiaryFixture, WritesOneRowPerDayInDateOrderWithBomAndCrLf) {
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 7}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 5}, DoseStatus::Missed), &error));
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 7}, DoseStatus::Missed, "晚了"), &error));
  EXPECT_EQ(File(), kHead + FormatDiaryRow(Entry({2026, 12, 5}, DoseStatus::Missed)) + "\r\n" +
                        FormatDiaryRow(Entry({2026, 12, 7}, DoseStatus::Missed, "晚了")) + "\r\n");
  ASSERT_TRUE(diary.Clear({2026, 12, 5}, &error));
  EXPECT_EQ(diary.Find({2026, 12, 5}), nullptr);
  EXPECT_EQ(diary.Find({2026, 12, 7})->note, "晚了");
}

TEST_F(DiaryFixture, KeepsRowsItCannotReadThroughEveryChange) {
  const std::string broken = "2026-12-02,吃了,强的松,6,,x\r\n";
  const std::string duplicate = "2026-12-03,missed,强的松,6,,2026-12-03T09:00:00\r\n";
  const std::string unclosed = "2026-12-09,taken,\"强的松\r\n6,,";
  files.Put(kPath, kHead + FormatDiaryRow(Entry({2026, 12, 3}, DoseStatus::Taken)) + "\n" + broken +
                       duplicate + unclosed);
  ASSERT_TRUE(diary.Load(&error));
  EXPECT_EQ(diary.UnreadableRows(), 3);
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 10}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Clear({2026, 12, 3}, &error));
  EXPECT_EQ(File(), kHead + broken + duplicate + FormatDiaryRow(Entry({2026, 12, 10}, DoseStatus::Taken)) +
                        "\r\n" + unclosed);
}

TEST_F(DiaryFixture, AFailedWriteOrAnUnreadableFileLeavesTheFileAsItWas) {
  const std::string stored = kHead + FormatDiaryRow(Entry({2026, 12, 3}, DoseStatus::Taken)) + "\r\n";
  files.Put(kPath, stored);
  files.failWrites = true;
  EXPECT_FALSE(diary.Put(Entry({2026, 12, 4}, DoseStatus::Taken), &error));
  EXPECT_EQ(error.description, "There is not enough space on the disk.");
  EXPECT_EQ(diary.Find({2026, 12, 4}), nullptr);
  files.failWrites = false;
  files.MakeUnreadable(kPath);
  EXPECT_FALSE(diary.Clear({2026, 12, 3}, &error));
  EXPECT_FALSE(diary.Put(Entry({2026, 12, 4}, DoseStatus::Taken), &error));
  EXPECT_EQ(File(), stored);
}

TEST_F(DiaryFixture, AFileWhereTheFolderShouldBeIsReported) {
  files.Put("C:\\Users\\u\\AppData\\Roaming\\Quorvane", "not a folder");
  EXPECT_FALSE(diary.Put(Entry({2026, 12, 4}, DoseStatus::Taken), &error));
  EXPECT_EQ(error.description, "Cannot create a file when that file already exists.");
}

// Dose days of 2006-05-18..26 with the start date 2006-05-22, "x" for a dose day.
std::string DoseDays(const Diary& diary, int alternateDay) {
  RegimenValues regimen;
  regimen.alternateDay = alternateDay;
  std::string days;
  for (const DayMark& mark : MonthMarks(diary, regimen, 2006, 5, {2006, 5, 31}))
    if (mark.date.day >= 18 && mark.date.day <= 26) days += mark.doseDay ? 'x' : '.';
  return days;
}

TEST_F(DiaryFixture, MarksDoseDaysUnderEachSwitchValue) {
  EXPECT_EQ(DoseDays(diary, 1), "x.x.x.x.x");  // ticked: even days from the start, either side
  EXPECT_EQ(DoseDays(diary, 0), "xxxxxxxxx");  // clear: every day
  EXPECT_EQ(DoseDays(diary, 2), ".........");  // grey: none, as the reminder shows none
}

TEST_F(DiaryFixture, SummarisesTheDoseDaysUpToToday) {
  ASSERT_TRUE(diary.Put(Entry({2006, 5, 22}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Put(Entry({2006, 5, 23}, DoseStatus::Missed), &error));
  ASSERT_TRUE(diary.Put(Entry({2006, 5, 24}, DoseStatus::Missed), &error));
  const struct {
    int alternateDay, month;
    CivilDate today;
    const char* expected;
  } cases[] = {
      {1, 5, {2006, 5, 24}, "本月服药日 12 天：已服 1 天，漏服 1 天，未记录 10 天"},
      {0, 5, {2006, 5, 24}, "本月服药日 24 天：已服 1 天，漏服 2 天，未记录 21 天"},
      {2, 5, {2006, 5, 24}, "本月服药日 0 天：已服 0 天，漏服 0 天，未记录 0 天"},
      {0, 5, {2006, 5, 22}, "本月服药日 22 天：已服 1 天，漏服 0 天，未记录 21 天"},
      {0, 6, {2006, 5, 24}, "本月服药日 0 天：已服 0 天，漏服 0 天，未记录 0 天"},
  };
  for (const auto& c : cases) {
    RegimenValues regimen;
    regimen.alternateDay = c.alternateDay;
    EXPECT_EQ(MonthSummaryText(SummarizeMonth(MonthMarks(diary, regimen, 2006, c.month, c.today))), c.expected)
        << c.alternateDay << " " << c.today.day;
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

class MovableClock : public Clock {
 public:
  CivilDate today{2006, 5, 22};
  CivilDate Today() const override { return today; }
};

class FakeWindow : public MainWindowHost {
 public:
  RegimenValues controls;
  void Hide() override {}
  RegimenValues Controls() const override { return controls; }
  void SetControls(const RegimenValues&) override {}
  void AddTrayIcon() override {}
  void SetTrayTip(std::string_view) override {}
  void OpenTipWindow() override {}
};

// A box that stays open until the day has moved on and the watch fired again.
class BoxOpenPastMidnight : public RecordingBoxes {
 public:
  std::function<void()> whileOpen;
  void Show(std::string_view text) override {
    RecordingBoxes::Show(text);
    if (auto next = std::exchange(whileOpen, nullptr)) next();
  }
};

TEST(DayFollowingReminder, ShowsTheNewDaysBoxOnceAndNeverStacksOne) {
  MovableClock clock;
  FakeWindow window;
  window.controls.alternateDay = 0;  // every day a dose day
  BoxOpenPastMidnight boxes;
  DayFollowingReminder reminder(window, boxes, clock);
  reminder.StartToday();
  reminder.OnDayMayHaveChanged();
  clock.today = {2006, 5, 23};
  boxes.whileOpen = [&] {
    clock.today = {2006, 5, 24};
    reminder.OnDayMayHaveChanged();
  };
  reminder.OnDayMayHaveChanged();
  reminder.OnDayMayHaveChanged();
  clock.today = {2006, 5, 20};
  reminder.OnDayMayHaveChanged();
  EXPECT_EQ(boxes.shown, std::vector<std::string>{"强的松6片，别忘记！"});
}

}  // namespace
}  // namespace quorvane
