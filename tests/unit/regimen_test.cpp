// The regimen: the stored record, the start date, the dose-day rule and the
// registry values they live in.
#include <gtest/gtest.h>

#include "fakes.h"
#include "regimen/date_text.h"
#include "regimen/dose_reminder.h"
#include "regimen/leading_number.h"
#include "regimen/record.h"
#include "regimen/regimen_store.h"

namespace quorvane {
namespace {

using testing::FakeStore;

RegimenValues With(std::string drug, std::string start, std::string dose, int grdf, int kjtx, int tips) {
  return {std::move(drug), std::move(start), std::move(dose), grdf, kjtx, tips};
}
const RegimenValues kPrednisone = With("强的松", "2006-05-22", "6", 1, 1, 1);

TEST(DateText, AcceptsTheFormsAChineseUserTypes) {
  const struct {
    const char* text;
    CivilDate date;
    int seconds;
  } cases[] = {
      {"2006-05-22", {2006, 5, 22}, 0},
      {"2006-5-2", {2006, 5, 2}, 0},
      {"2006/5/22", {2006, 5, 22}, 0},
      {"2006.5.22", {2006, 5, 22}, 0},
      {"2006年5月22日", {2006, 5, 22}, 0},
      {"2006年05月22", {2006, 5, 22}, 0},
      {"  2006-05-22  ", {2006, 5, 22}, 0},
      {"2006-05-22 8:30", {2006, 5, 22}, 30600},
      {"2006/5/22 23:59:59", {2006, 5, 22}, 86399},
      {"2006年5月22日 12:00", {2006, 5, 22}, 43200},
      {"２００６－０５－２２", {2006, 5, 22}, 0},
      {"2008-02-29", {2008, 2, 29}, 0},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseDateText(c.text);
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed->date, c.date) << c.text;
    EXPECT_EQ(parsed->secondsOfDay, c.seconds) << c.text;
  }
}

TEST(DateText, RefusesWhatIsNotADate) {
  for (const char* text :
       {"", "abc", "2006", "2006-05", "2006-13-01", "2006-02-29", "2006-02-30", "2006-04-31", "06-05-22",
        "2006-05/22", "2006/05.22", "2006年5-22", "2006-05-22x", "2006-05-22 25:00", "2006-05-22 8",
        "2006-05-22 8:5", "2006年5月", "0000-01-01", "2006--05-22"})
    EXPECT_FALSE(ParseDateText(text).has_value()) << text;
}

TEST(DaysSinceStart, CountsSignedDaysAndFallsBackToZero) {
  const auto after = [](int days) { return DateFromDays(DaysSinceEpoch({2006, 5, 22}) + days); };
  const struct {
    const char* start;
    CivilDate today;
    int expected;
  } cases[] = {
      {"2006-05-22", {2006, 5, 22}, 0},
      {"2006-05-22", {2006, 5, 23}, 1},
      {"2006-05-22", {2006, 5, 21}, -1},
      {"2006-05-22", {2006, 5, 20}, -2},
      {"2006-02-28", {2006, 3, 1}, 1},
      {"2008-02-28", {2008, 3, 1}, 2},
      {"2006-05-22", after(32767), 32767},
      {"2006-05-22", after(32768), 0},
      {"2006-05-22", after(-32768), -32768},
      {"2006-05-22", after(-32769), 0},
      {"not a date", {2026, 12, 6}, 0},
      {"", {2026, 12, 6}, 0},
      // A time of day makes a fraction that rounds half to even.
      {"2006-05-22 12:00", {2006, 5, 24}, 2},  // 1.5
      {"2006-05-22 12:00", {2006, 5, 23}, 0},  // 0.5
      {"2006-05-22 18:00", {2006, 5, 24}, 1},  // 1.25
      {"2006-05-22 06:00", {2006, 5, 24}, 2},  // 1.75
  };
  for (const auto& c : cases) EXPECT_EQ(DaysSinceStart(c.start, c.today), c.expected) << c.start;
}

TEST(DoseReminder, FollowsTheSwitchesAndTheDayParity) {
  const std::optional<std::string> kNone, kRemind = "强的松6片，别忘记！";
  const CivilDate even{2006, 5, 24}, odd{2006, 5, 23};
  const struct {
    RegimenValues controls;
    CivilDate today;
    std::optional<std::string> text;
  } cases[] = {
      {kPrednisone, {2006, 5, 22}, kRemind},
      {kPrednisone, odd, kNone},
      {kPrednisone, even, kRemind},
      {kPrednisone, {2006, 5, 21}, kNone},
      {kPrednisone, {2006, 5, 20}, kRemind},
      {With("强的松", "2006-05-22", "6", 1, 0, 1), even, kNone},    // no reminder wanted
      {With("强的松", "2006-05-22", "6", 1, 2, 1), even, kRemind},  // grey still reminds
      {With("强的松", "2006-05-22", "6", 0, 1, 1), odd, kRemind},   // every day
      {With("强的松", "2006-05-22", "6", 2, 1, 1), even, kNone},    // grey: never
      {With("强的松", "someday", "6", 1, 1, 1), odd, kRemind},      // unreadable: day 0
      {With("泼尼松", "2006-05-22", "4", 1, 1, 1), even, "泼尼松4片，别忘记！"},
      {With("", "2006-05-22", "", 1, 1, 1), even, "片，别忘记！"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DoseReminderText(c.controls, c.today), c.text)
        << BuildRegimen(c.controls) << " " << c.today.day;
}

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"3", 3},    {"  3 ", 3}, {"1 2", 12},  {"2.5", 2.5}, {"-1", -1},     {"+4", 4},
      {"5abc", 5}, {"abc", 0},  {"", 0},      {".5", 0.5},  {"1e3", 1000},  {"1D2", 100},
      {"2E", 2},   {"3|", 3},   {"\t7\n", 7}, {"-", 0},     {"1.5.5", 1.5}, {"12e-1", 1.2},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(LeadingNumber, RoundsHalfToEvenWithinTheWidth) {
  const std::nullopt_t none = std::nullopt;
  const struct {
    double value;
    std::optional<std::int32_t> to32;
    std::optional<std::int16_t> to16;
  } cases[] = {
      {2.5, 2, 2},
      {3.5, 4, 4},
      {-2.5, -2, -2},
      {-3.5, -4, -4},
      {0.5, 0, 0},
      {2.4999, 2, 2},
      {2.5001, 3, 3},
      {-0.4, 0, 0},
      {32767.4, 32767, 32767},
      {32767.5, 32768, none},
      {-32768.5, -32768, -32768},
      {-32768.6, -32769, none},
      {2147483647.0, 2147483647, none},
      {2147483648.0, none, none},
      {1e300, none, none},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToInt32(c.value), c.to32) << c.value;
    EXPECT_EQ(RoundToInt16(c.value), c.to16) << c.value;
  }
}

TEST(ApplyRegimen, FollowsTheFieldRules) {
  const struct {
    const char* record;
    RegimenValues expected;
  } cases[] = {
      {"", kPrednisone},
      {"no separator at all", kPrednisone},
      {"阿司匹林|2020-01-01", With("阿司匹林", "2020-01-01", "6", 1, 1, 1)},
      {"a|", With("a", "", "6", 1, 1, 1)},
      {"|||3|1", With("", "", "", 1, 1, 1)},
      {"a|b|c|2|1", With("a", "b", "c", 1, 0, 1)},
      {"a|b|c|1|1", With("a", "b", "c", 0, 1, 1)},
      {"a|b|c|0|0", With("a", "b", "c", 0, 0, 0)},
      {"a|b|c|5|1", With("a", "b", "c", 2, 1, 1)},
      {"a|b|c|4|2", With("a", "b", "c", 2, 0, 2)},
      {"a|b|c|-1|1", With("a", "b", "c", 0, 1, 1)},  // -1 / 2 truncates to 0; remainder -1 refused
      {"a|b|c|6|1", With("a", "b", "c", 1, 0, 1)},   // 3 refused for alternate-day
      {"a|b|c|x|3", With("a", "b", "c", 0, 0, 1)},   // no number reads as 0; 3 refused
      {"a|b|c| 2 |0", With("a", "b", "c", 1, 0, 0)},
      {"a|b|c|2.5|1", With("a", "b", "c", 1, 0, 1)},  // halves round to even
      {"a|b|c|3.5|1", With("a", "b", "c", 2, 0, 1)},
      {"a|b|c|3|0.5", With("a", "b", "c", 1, 1, 0)},
      {"a|b|c|3|1.5", With("a", "b", "c", 1, 1, 2)},
      // 70000 fits 32 bits: remind-at-start becomes 0, alternate-day 35000 is refused.
      {"a|b|c|70000|1", With("a", "b", "c", 1, 0, 1)},
      {"a|b|c|4294967296|0", With("a", "b", "c", 1, 1, 0)},  // beyond 32 bits: both kept
      {"a|b|c|0|0|extra|fields", With("a", "b", "c", 0, 0, 0)},
      // A "|" typed into the drug name shifts the later fields one place right.
      {"药|名|2006-05-22|6|3|1", With("药", "名", "2006-05-22", 1, 0, 1)},
  };
  for (const auto& c : cases) {
    RegimenValues controls = kPrednisone;
    ApplyRegimen(c.record, controls);
    EXPECT_EQ(controls, c.expected) << c.record;
  }
}

TEST(BuildRegimen, PacksTheSwitchesIntoTheFourthField) {
  const struct {
    RegimenValues controls;
    const char* record;
  } cases[] = {
      {kPrednisone, "强的松|2006-05-22|6|3|1"},    {With("a", "b", "c", 0, 1, 0), "a|b|c|1|0"},
      {With("a", "b", "c", 2, 1, 1), "a|b|c|5|1"}, {With("a", "b", "c", 2, 2, 2), "a|b|c|6|2"},
      {With("", "", "", 0, 0, 1), "|||0|1"},
  };
  for (const auto& c : cases) EXPECT_EQ(BuildRegimen(c.controls), c.record);
}

TEST(ReadRegimen, ReadsTextAsUnicodeUpToTheFirstNul) {
  FakeStore store;
  EXPECT_EQ(ReadRegimen(store, testing::GbkCodec{}), "");
  for (const std::string text : {"泼尼松|2006-05-22|6|3|1", "Prednisolon ü 😀|x"}) {
    store.PutText("Software", "Quorvane", text);
    EXPECT_EQ(ReadRegimen(store, testing::GbkCodec{}), text);
  }
  store.PutText("Software", "Quorvane", std::string("a|b\0c|d", 7));
  EXPECT_EQ(ReadRegimen(store, testing::GbkCodec{}), "a|b");
}

TEST(ReadRegimen, ReadsOtherTypesAsAnsiBytesUpToTheFirstNul) {
  const std::string gbk = testing::ToGbk("强的松|2006-05-22|6|3|1");
  const struct {
    std::string data;
    const char* expected;
  } cases[] = {{gbk, "强的松|2006-05-22|6|3|1"}, {gbk.substr(0, 6) + std::string("\0xy", 3), "强的松"}};
  for (const auto& c : cases) {
    FakeStore store;
    store.values[{"Software", "Quorvane"}] = {false, {c.data.begin(), c.data.end()}};
    EXPECT_EQ(ReadRegimen(store, testing::GbkCodec{}), c.expected);
  }
}

TEST(SaveRegimen, StoresTheRecordAndReportsTheStatus) {
  FakeStore store;
  EXPECT_EQ(SaveRegimen(store, "强的松|2006-05-22|6|3|1"), 0);
  store.failWritesWith = 5;
  EXPECT_EQ(SaveRegimen(store, "x|y"), 5);
  EXPECT_EQ(store.Text("Software", "Quorvane"), "强的松|2006-05-22|6|3|1");
}

TEST(StartupEntry, QuotesTheProgramPath) {
  const struct {
    const char* path;
    const char* value;
  } cases[] = {
      {"C:\\Program Files\\Quorvane\\Quorvane.exe", "\"C:\\Program Files\\Quorvane\\Quorvane.exe\""},
      {"D:\\工具\\QUORVANE.EXE", "\"D:\\工具\\QUORVANE.exe\""},
      {"C:\\a.b\\prog", "\"C:\\a.b\\prog.exe\""},
  };
  for (const auto& c : cases) {
    FakeStore store;
    WriteStartupEntry(store, c.path);
    EXPECT_EQ(store.Text("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quorvane"), c.value);
  }
}

}  // namespace
}  // namespace quorvane
