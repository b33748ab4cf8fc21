#pragma once
// One month of the diary as the calendar shows it: which days are dose days,
// what was logged for each, and the summary line under it.
#include <optional>
#include <string>
#include <vector>

#include "diary/diary.h"
#include "regimen/regimen_values.h"

namespace quorvane {

struct DayMark {
  CivilDate date;
  bool doseDay = false;
  std::optional<DoseStatus> logged;
  bool today = false;
  bool future = false;  // after today: cannot be logged
};

// Every day of the month, the 1st first. Dose days follow the reminder's
// rule (see IsDoseDay).
std::vector<DayMark> MonthMarks(const Diary& diary, const RegimenValues& regimen, int year, int month,
                                const CivilDate& today);

struct MonthSummary {
  int doseDays = 0;                         // dose days up to and including today
  int taken = 0, missed = 0, unlogged = 0;  // of those dose days
};

MonthSummary SummarizeMonth(const std::vector<DayMark>& marks);
// "本月服药日 15 天：已服 14 天，漏服 1 天，未记录 0 天"
std::string MonthSummaryText(const MonthSummary& summary);

// The selected day in words, for those who cannot see the calendar's marks:
// "12月7日 星期一（今天）：服药日，已服。备注：早饭后"
std::string DayDescription(const DayMark& mark, const std::string& note);

// 0 for Monday to 6 for Sunday: the calendar's weeks begin on Monday.
int WeekdayFromMonday(const CivilDate& date);

// The calendar shows a month as six weeks of cells, from the Monday on or
// before the 1st: the cell of one of its days, and the day in a cell, which
// may belong to the month before or after.
int CalendarCell(const CivilDate& day);
CivilDate DayInCalendarCell(int year, int month, int cell);

// The same day `months` months later (earlier when negative) for "上月" and
// "下月", or the last day of a shorter month; none past year 1 or 9999.
std::optional<CivilDate> AddMonths(const CivilDate& day, int months);

}  // namespace quorvane
