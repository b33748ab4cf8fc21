// The medication diary: its file, its month view and the reminder that follows the day.
#include <gtest/gtest.h>

#include "app/day_following_reminder.h"
#include "diary/diary_month.h"
#include "fakes.h"

namespace quorvane {
namespace {

constexpr char kFolder[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane";
constexpr char kPath[] = "C:\\Users\\u\\AppData\\Roaming\\Quorvane\\doselog.csv";
const std::string kHead = "\uFEFFdate,status,drug,dose,note,logged_at\r\n";  // with a byte order mark

DiaryEntry Entry(CivilDate day, DoseStatus status, std::string note = "") {
  return {day, status, "强的松", "6", std::move(note), {day, 8, 5, 0}};
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
  files.files[kPath] = kHead + "2026-12-03,taken,强的松,6,,2026-12-03T08:05:00\r\n" + unreadable + unclosed;
  ASSERT_TRUE(diary.Load(&error));
  EXPECT_EQ(diary.UnreadableRows(), 8);
  ASSERT_TRUE(diary.Put(Entry({2026, 12, 10}, DoseStatus::Taken), &error));
  ASSERT_TRUE(diary.Clear({2026, 12, 3}, &error));
  EXPECT_EQ(files.files[kPath],
            kHead + unreadable + "2026-12-10,taken,强的松,6,,2026-12-10T08:05:00\r\n" + unclosed);
}

TEST_F(DiaryFile, AFailedWriteOrAnUnreadableFileLeavesTheFileAsItWas) {
  const std::string stored = kHead + "2026-12-03,taken,强的松,6,,2026-12-03T08:05:00\r\n";
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

// Dose days on either side of the start date, under each switch value.
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

TEST(DiaryMonth, WeeksBeginOnMondayAndTheSelectedDayIsToldInWords) {
  // The weekday is also the day's column in the calendar.
  const std::pair<CivilDate, int> columns[] = {
      {{2026, 12, 7}, 0}, {{2026, 12, 13}, 6}, {{1970, 1, 1}, 3}, {{1969, 12, 31}, 2}, {{1, 1, 1}, 0}};
  for (const auto& [date, column] : columns) EXPECT_EQ(WeekdayFromMonday(date), column) << date.day;
  // December 2026 begins on a Tuesday: its first cell is Monday 30 November.
  EXPECT_EQ(std::vector({CalendarCell({2026, 12, 1}), CalendarCell({2026, 12, 31})}), std::vector({1, 31}));
  EXPECT_EQ(std::vector({DayInCalendarCell(2026, 12, 0), DayInCalendarCell(2026, 12, 41)}),
            std::vector<CivilDate>({{2026, 11, 30}, {2027, 1, 10}}));
  using enum DoseStatus;
  const std::tuple<DayMark, const char*, const char*> days[] = {
      {{{2026, 12, 7}, true, Taken, true}, "早饭后", "12月7日 星期一（今天）：服药日，已服。备注：早饭后"},
      {{{2026, 12, 6}, false, Missed}, "", "12月6日 星期日：非服药日，漏服"},
      {{{2026, 12, 5}, true}, "", "12月5日 星期六：服药日，未记录"},
      {{{2026, 12, 8}, false, {}, false, true}, "", "12月8日 星期二：非服药日，尚未到来"}};
  for (const auto& [mark, note, text] : days) EXPECT_EQ(DayDescription(mark, note), text);
}

TEST(DiaryMonth, MonthButtonsKeepTheDayWhereTheMonthHasIt) {
  const std::tuple<CivilDate, int, std::optional<CivilDate>> cases[] = {
      {{2026, 12, 7}, -1, CivilDate{2026, 11, 7}},
      {{2026, 12, 7}, 1, CivilDate{2027, 1, 7}},
      {{2026, 1, 31}, -1, CivilDate{2025, 12, 31}},
      {{2026, 3, 31}, -1, CivilDate{2026, 2, 28}},
      {{2024, 1, 31}, 1, CivilDate{2024, 2, 29}},
      {{1, 1, 15}, -1, std::nullopt},
      {{9999, 12, 1}, 1, std::nullopt}};
  for (const auto& [day, months, after] : cases) EXPECT_EQ(AddMonths(day, months), after) << months;
}

// Notes the day of each box. A box may stay open while the day moves on and
// the watch fires again.
struct DayBoxes : testing::RecordingBoxes {
  const testing::FixedClock& clock;
  std::string days;
  std::function<void()> whileOpen;
  explicit DayBoxes(const testing::FixedClock& c) : clock(c) {}
  void Show(std::string_view text) override {
    RecordingBoxes::Show(text);
    days += std::to_string(clock.today.day) + " ";
    if (auto next = std::exchange(whileOpen, nullptr)) next();
  }
};

TEST(DayFollowingReminder, ShowsEachNewDoseDaysBoxOnceAndNeverStacksOne) {
  testing::FixedClock clock({2006, 5, 22});
  testing::FakeMainWindow window;  // every second day from 2006-05-22
  DayBoxes boxes(clock);
  DayFollowingReminder reminder(window, boxes, clock);
  const auto moveTo = [&](int day) { clock.today.day = day, reminder.OnDayMayHaveChanged(); };
  reminder.StartToday();
  moveTo(22);
  moveTo(23);
  boxes.whileOpen = [&] { moveTo(26); };                   // open past two midnights
  for (const int day : {24, 26, 20, 27, 28}) moveTo(day);  // 20: the clock set back
  EXPECT_EQ(boxes.days, "24 28 ");
  EXPECT_EQ(boxes.shown.back(), "强的松6片，别忘记！");
  EXPECT_TRUE(IsNewReminderDay({2026, 12, 31}, {2027, 1, 1}));  // one midnight, into a new year
  EXPECT_EQ(MillisecondsToMidnight(23, 59, 59, 500), 500);
  EXPECT_EQ(MillisecondsToMidnight(0, 0, 0, 0), 86'400'000);
}

}  // namespace
}  // namespace quorvane
