// The regimen: the stored record, the start date, the dose-day rule and the
// registry values they live in.
#include <gtest/gtest.h>

#include "fakes.h"
#include "regimen/date_text.h"
#include "regimen/dose_reminder.h"
#include "regimen/record.h"
#include "regimen/regimen_editing.h"
#include "regimen/regimen_store.h"

namespace quorvane {
namespace {

using testing::FakeStore;
using testing::GbkCodec;

// The controls as "drug|start|dose|alternate-day|remind-at-start|tips".
std::string Shown(const RegimenValues& v) {
  return v.drugName + "|" + v.startDate + "|" + v.dose + "|" + std::to_string(v.alternateDay) + "|" +
         std::to_string(v.remindAtStart) + "|" + std::to_string(v.tipsAtStartup);
}

TEST(DateText, AcceptsTheFormsAChineseUserTypes) {
  // clang-format off
  const std::tuple<const char*, CivilDate, int> cases[] = {
      {"2006-05-22", {2006, 5, 22}, 0},      {"2006-5-2", {2006, 5, 2}, 0},       {"2006/5/22", {2006, 5, 22}, 0},
      {"2006.5.22", {2006, 5, 22}, 0},       {"2006年5月22日", {2006, 5, 22}, 0}, {"2006年05月22", {2006, 5, 22}, 0},
      {"  2006-05-22  ", {2006, 5, 22}, 0},  {"2008-02-29", {2008, 2, 29}, 0},    {"２００６－０５－２２", {2006, 5, 22}, 0},
      {"2006-05-22 8:30", {2006, 5, 22}, 30600}, {"2006/5/22 23:59:59", {2006, 5, 22}, 86399},
      {"2006年5月22日 12:00", {2006, 5, 22}, 43200}};
  // clang-format on
  for (const auto& [text, date, seconds] : cases) {
    const auto parsed = ParseDateText(text);
    EXPECT_TRUE(parsed && parsed->date == date && parsed->secondsOfDay == seconds) << text;
  }
}

TEST(DateText, RefusesWhatIsNotADate) {
  // clang-format off
  for (const char* text : {"", "abc", "2006", "2006-05", "2006-13-01", "2006-02-29", "2006-02-30", "2006-04-31",
                           "06-05-22", "2006-05/22", "2006/05.22", "2006年5-22", "2006-05-22x", "2006-05-22 25:00",
                           "2006-05-22 8", "2006-05-22 8:5", "2006年5月", "0000-01-01", "2006--05-22", "2006-/5/22",
                           "2006./5.22", "2006/-5-22"})
    EXPECT_FALSE(ParseDateText(text).has_value()) << text;
  // clang-format on
}

TEST(DaysSinceStart, CountsWholeCalendarDaysAndFallsBackToZero) {
  const auto after = [](int days) { return DateFromDays(DaysSinceEpoch({2006, 5, 22}) + days); };
  const std::tuple<const char*, CivilDate, int> cases[] = {
      {"2006-05-22", {2006, 5, 22}, 0},       {"2006-05-22", {2006, 5, 23}, 1},
      {"2006-05-22", {2006, 5, 21}, -1},      {"2006-05-22", {2006, 5, 20}, -2},
      {"2008-02-28", {2008, 3, 1}, 2},        {"not a date", {2026, 12, 6}, 0},
      {"2006-05-22", after(32767), 32767},    {"2006-05-22", after(32768), 0},
      {"2006-05-22", after(-32768), -32768},  {"2006-05-22", after(-32769), 0},
      {"2026-12-07 12:00", {2026, 12, 8}, 1}, {"2026-12-07 12:00", {2026, 12, 9}, 2},
      {"2006-05-22 18:00", {2006, 5, 24}, 2}, {"2006-05-22 23:59:59", {2006, 5, 21}, -1}};
  for (const auto& [start, today, days] : cases) EXPECT_EQ(DaysSinceStart(start, today), days) << start;
}

TEST(DoseReminder, FollowsTheSwitchesAndTheDayParity) {
  // {alternate-day, remind-at-start, start, day of May 2006, due}; a check box
  // is 0 clear, 1 ticked or 2 grey.
  const std::tuple<int, int, const char*, int, bool> cases[] = {
      {1, 1, "2006-05-22", 22, true},  {1, 1, "2006-05-22", 23, false}, {1, 1, "2006-05-22", 24, true},
      {1, 1, "2006-05-22", 21, false}, {1, 1, "2006-05-22", 20, true},  {1, 0, "2006-05-22", 24, false},
      {1, 2, "2006-05-22", 24, true},  {0, 1, "2006-05-22", 23, true},  {2, 1, "2006-05-22", 24, false},
      {1, 1, "someday", 23, true}};
  for (const auto& [alternate, remind, start, day, due] : cases) {
    const RegimenValues controls{"强的松", start, "6", alternate, remind, 1};
    EXPECT_EQ(DoseReminderText(controls, {2006, 5, day}).has_value(), due) << Shown(controls) << " " << day;
  }
}

TEST(ApplyRegimen, FollowsTheFieldRules) {
  // The controls start as 强的松|2006-05-22|6|1|1|1. A number is what a field
  // begins with, blanks ignored, rounded half to even. In the fourth field
  // -1 / 2 truncates to 0 and its remainder -1 is refused; 70000 fits 32 bits,
  // so remind-at-start becomes 0 while 35000 is refused for alternate-day.
  // clang-format off
  const std::pair<const char*, const char*> cases[] = {
      {"", "强的松|2006-05-22|6|1|1|1"}, {"no separator at all", "强的松|2006-05-22|6|1|1|1"},
      {"a|", "a||6|1|1|1"},              {"阿司匹林|2020-01-01", "阿司匹林|2020-01-01|6|1|1|1"},
      {"|||3|1", "|||1|1|1"},            {"药|名|2006-05-22|6|3|1", "药|名|2006-05-22|1|0|1"},
      {"a|b|c|0|0|extra|fields", "a|b|c|0|0|0"},
      {"a|b|c|2|1", "a|b|c|1|0|1"},     {"a|b|c|1|1", "a|b|c|0|1|1"},   {"a|b|c|5|1", "a|b|c|2|1|1"},
      {"a|b|c|4|2", "a|b|c|2|0|2"},     {"a|b|c|-1|1", "a|b|c|0|1|1"},  {"a|b|c|6|1", "a|b|c|1|0|1"},
      {"a|b|c|x|3", "a|b|c|0|0|1"},     {"a|b|c| 2 |0", "a|b|c|1|0|0"}, {"a|b|c|2.5|1", "a|b|c|1|0|1"},
      {"a|b|c|3.5|1", "a|b|c|2|0|1"},   {"a|b|c|3|0.5", "a|b|c|1|1|0"}, {"a|b|c|3|1.5", "a|b|c|1|1|2"},
      {"a|b|c|1 0|.2E1", "a|b|c|1|0|2"}, {"a|b|c|+5x|1", "a|b|c|2|1|1"}, {"a|b|c|4D-1|1", "a|b|c|0|0|1"},
      {"a|b|c|-2.5|1", "a|b|c|1|0|1"},  {"a|b|c|70000|1", "a|b|c|1|0|1"}, {"a|b|c|4294967296|0", "a|b|c|1|1|0"}};
  // clang-format on
  for (const auto& [record, shown] : cases) {
    RegimenValues controls{"强的松", "2006-05-22", "6", 1, 1, 1};
    ApplyRegimen(record, controls);
    EXPECT_EQ(Shown(controls), shown) << record;
  }
}

TEST(BuildRegimen, PacksTheSwitchesIntoTheFourthField) {
  const std::pair<RegimenValues, const char*> cases[] = {
      {{"强的松", "2006-05-22", "6", 1, 1, 1}, "强的松|2006-05-22|6|3|1"},
      {{"a", "b", "c", 0, 1, 0}, "a|b|c|1|0"},
      {{"a", "b", "c", 2, 2, 2}, "a|b|c|6|2"},
      {{"", "", "", 0, 0, 1}, "|||0|1"}};
  for (const auto& [controls, record] : cases) EXPECT_EQ(BuildRegimen(controls), record);
}

TEST(SaveEditedRegimen, RefusesABarInATextAndKeepsTheStoredRecord) {
  const std::string kStored = "旧|2006-05-22|6|3|1";
  const std::tuple<RegimenValues, std::string_view, std::string> cases[] = {
      {{"强|的松", "2006-05-22", "6", 1, 1, 1}, kSeparatorRefused, kStored},
      {{"强的松", "2006-05-22|", "6", 1, 1, 1}, kSeparatorRefused, kStored},
      {{"强的松", "2006-05-22", "|6", 1, 1, 1}, kSeparatorRefused, kStored},
      {{"泼尼松", "2006-05-22", "4", 1, 1, 0}, kRegimenSaved, "泼尼松|2006-05-22|4|3|0"}};
  for (const auto& [controls, box, stored] : cases) {
    FakeStore store;
    testing::RecordingBoxes boxes;
    store.PutText("Software", "Quorvane", kStored);
    SaveEditedRegimen(controls, store, boxes);
    EXPECT_EQ(boxes.shown, std::vector<std::string>{std::string(box)});
    EXPECT_EQ(store.Text("Software", "Quorvane"), stored);
  }
}

TEST(SavedRecord, ReadsBackUpToTheFirstNulAndAFailedSaveKeepsIt) {
  FakeStore store;
  EXPECT_EQ(ReadRegimen(store, GbkCodec{}), "");
  for (const std::string& text : {std::string("泼尼松|2006-05-22|6|3|1"), std::string("Prednisolon ü 😀|x"),
                                  std::string("a|b\0c|d", 7)}) {
    EXPECT_EQ(SaveRegimen(store, text), 0);
    EXPECT_EQ(ReadRegimen(store, GbkCodec{}), text.substr(0, text.find('\0')));
  }
  store.failWritesWith = 5;
  EXPECT_EQ(SaveRegimen(store, "x|y"), 5);
  EXPECT_EQ(ReadRegimen(store, GbkCodec{}), "a|b");
  // Another value type holds ANSI bytes.
  const std::string gbk = testing::ToGbk("强的松|2006-05-22|6|3|1");  // 强的松 is six bytes
  const std::pair<std::string, const char*> ansi[] = {{gbk, "强的松|2006-05-22|6|3|1"},
                                                      {gbk.substr(0, 6) + std::string("\0xy", 3), "强的松"}};
  for (const auto& [bytes, text] : ansi) {
    store.values[{"Software", "Quorvane"}] = {false, {bytes.begin(), bytes.end()}};
    EXPECT_EQ(ReadRegimen(store, GbkCodec{}), text);
  }
}

TEST(StartupEntry, QuotesTheProgramPath) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\Program Files\\Quorvane\\Quorvane.exe", "\"C:\\Program Files\\Quorvane\\Quorvane.exe\""},
      {"D:\\工具\\QUORVANE.EXE", "\"D:\\工具\\QUORVANE.exe\""},
      {"C:\\a.b\\prog", "\"C:\\a.b\\prog.exe\""}};
  for (const auto& [path, value] : cases) {
    FakeStore store;
    WriteStartupEntry(store, path);
    EXPECT_EQ(store.Text("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quorvane"), value);
  }
}

}  // namespace
}  // namespace quorvane
