#include "diary/diary_month.h"

#include "regimen/dose_reminder.h"

namespace quorvane {

std::vector<DayMark> MonthMarks(const Diary& diary, const RegimenValues& regimen, int year, int month,
                                const CivilDate& today) {
  std::vector<DayMark> marks;
  const std::int64_t todayNumber = DaysSinceEpoch(today);
  for (int day = 1; day <= DaysInMonth(year, month); ++day) {
    DayMark mark;
    mark.date = {year, month, day};
    mark.doseDay = IsDoseDay(regimen, mark.date);
    if (const DiaryEntry* entry = diary.Find(mark.date)) mark.logged = entry->status;
    mark.today = mark.date == today;
    mark.future = DaysSinceEpoch(mark.date) > todayNumber;
    marks.push_back(mark);
  }
  return marks;
}

MonthSummary SummarizeMonth(const std::vector<DayMark>& marks) {
  MonthSummary summary;
  for (const DayMark& mark : marks) {
    if (!mark.doseDay || mark.future) continue;
    ++summary.doseDays;
    if (!mark.logged)
      ++summary.unlogged;
    else if (*mark.logged == DoseStatus::Taken)
      ++summary.taken;
    else
      ++summary.missed;
  }
  return summary;
}

std::string MonthSummaryText(const MonthSummary& summary) {
  return "本月服药日 " + std::to_string(summary.doseDays) + " 天：已服 " + std::to_string(summary.taken) +
         " 天，漏服 " + std::to_string(summary.missed) + " 天，未记录 " + std::to_string(summary.unlogged) +
         " 天";
}

int WeekdayFromMonday(const CivilDate& date) {
  // 1970-01-01 was a Thursday (3 counted from Monday).
  const std::int64_t weekday = (DaysSinceEpoch(date) + 3) % 7;
  return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

}  // namespace quorvane
