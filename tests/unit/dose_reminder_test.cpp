#include "regimen/dose_reminder.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(DaysSinceStart, CountsCalendarDaysEitherSideOfTheStart) {
  const struct {
    const char* start;
    CivilDate today;
    int expected;
  } cases[] = {
      {"2006-05-22", {2006, 5, 22}, 0},
      {"2006-05-22", {2006, 5, 23}, 1},
      {"2006-05-22", {2006, 5, 24}, 2},
      {"2006-05-22", {2006, 5, 21}, -1},
      {"2006-05-22", {2006, 5, 20}, -2},
      {"2006-02-28", {2006, 3, 1}, 1},
      {"2008-02-28", {2008, 3, 1}, 2},
      {"2006-05-22", {2026, 12, 6}, 7503},
      {"1900-01-01", {2026, 12, 6}, 0},   // too far away for 16 bits
      {"not a date", {2026, 12, 6}, 0},
      {"", {2026, 12, 6}, 0},
      // A time of day makes a fraction that rounds half to even.
      {"2006-05-22 12:00", {2006, 5, 24}, 2},  // 1.5 -> 2
      {"2006-05-22 12:00", {2006, 5, 23}, 0},  // 0.5 -> 0
      {"2006-05-22 18:00", {2006, 5, 24}, 1},  // 1.25 -> 1
      {"2006-05-22 06:00", {2006, 5, 24}, 2},  // 1.75 -> 2
  };
  for (const auto& c : cases)
    EXPECT_EQ(DaysSinceStart(c.start, c.today), c.expected) << c.start;
}

TEST(DaysSinceStart, FallsBackToZeroOutsideSixteenBits) {
  const CivilDate start{2006, 5, 22};
  const auto daysAfter = [&](int days) { return DateFromDays(DaysSinceEpoch(start) + days); };
  EXPECT_EQ(DaysSinceStart("2006-05-22", daysAfter(32767)), 32767);
  EXPECT_EQ(DaysSinceStart("2006-05-22", daysAfter(32768)), 0);
  EXPECT_EQ(DaysSinceStart("2006-05-22", daysAfter(-32768)), -32768);
  EXPECT_EQ(DaysSinceStart("2006-05-22", daysAfter(-32769)), 0);
}

TEST(DoseReminder, RemindsOnEvenDaysUnderTheAlternateDayRule) {
  RegimenValues controls;  // alternate-day and remind ticked, start 2006-05-22
  const struct {
    CivilDate today;
    bool shown;
  } cases[] = {{{2006, 5, 22}, true},
               {{2006, 5, 23}, false},
               {{2006, 5, 24}, true},
               {{2006, 5, 21}, false},
               {{2006, 5, 20}, true}};
  for (const auto& c : cases)
    EXPECT_EQ(DoseReminderText(controls, c.today).has_value(), c.shown) << c.today.day;
}

TEST(DoseReminder, FollowsTheSwitches) {
  const CivilDate oddDay{2006, 5, 23};
  RegimenValues controls;
  controls.remindAtStart = 0;
  EXPECT_FALSE(DoseReminderText(controls, {2006, 5, 22}));

  controls = RegimenValues{};
  controls.alternateDay = 0;  // every day
  EXPECT_TRUE(DoseReminderText(controls, oddDay));

  controls.alternateDay = 2;  // grey: never
  EXPECT_FALSE(DoseReminderText(controls, {2006, 5, 22}));

  controls = RegimenValues{};
  controls.remindAtStart = 2;  // grey still reminds
  EXPECT_TRUE(DoseReminderText(controls, {2006, 5, 22}));

  controls = RegimenValues{};
  controls.startDate = "someday";  // unreadable date: every day counts as day 0
  EXPECT_TRUE(DoseReminderText(controls, oddDay));
}

TEST(DoseReminder, SaysDrugAndDoseWithoutSeparator) {
  RegimenValues controls;
  EXPECT_EQ(DoseReminderText(controls, {2006, 5, 22}), "强的松6片，别忘记！");
  controls.drugName = "";
  controls.dose = "";
  EXPECT_EQ(DoseReminderText(controls, {2006, 5, 22}), "片，别忘记！");
}

}  // namespace
}  // namespace quorvane
