#include "diary/diary_month.h"

#include <algorithm>

#include "diary/status_words.h"
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
  const auto days = [](std::string_view word, int count) {
    return std::string(word) + " " + std::to_string(count) + " 天";
  };
  return days("本月服药日", summary.doseDays) + "：" + days(kTakenWord, summary.taken) + "，" +
         days(kMissedWord, summary.missed) + "，" + days(kUnloggedWord, summary.unlogged);
}

std::string DayDescription(const DayMark& mark, const std::string& note) {
  static constexpr const char* kWeekdays[] = {"一", "二", "三", "四", "五", "六", "日"};
  std::string text = std::to_string(mark.date.month) + "月" + std::to_string(mark.date.day) + "日 星期" +
                     kWeekdays[WeekdayFromMonday(mark.date)];
  if (mark.today) text += "（今天）";
  text += mark.doseDay ? "：服药日，" : "：非服药日，";
  if (mark.logged)
    text += StatusWord(*mark.logged);
  else
    text += mark.future ? "尚未到来" : kUnloggedWord;
  if (!note.empty()) text += "。备注：" + note;
  return text;
}

int WeekdayFromMonday(const CivilDate& date) {
  // 1970-01-01 was a Thursday (3 counted from Monday).
  const std::int64_t weekday = (DaysSinceEpoch(date) + 3) % 7;
  return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

int CalendarCell(const CivilDate& day) { return WeekdayFromMonday({day.year, day.month, 1}) + day.day - 1; }

CivilDate DayInCalendarCell(int year, int month, int cell) {
  return DateFromDays(DaysSinceEpoch({year, month, 1}) + cell - WeekdayFromMonday({year, month, 1}));
}

std::optional<CivilDate> AddMonths(const CivilDate& day, int months) {
  const std::int64_t index = day.year * std::int64_t{12} + (day.month - 1) + months;
  if (index < 12 || index >= 10'000 * 12) return std::nullopt;
  const int year = static_cast<int>(index / 12), month = static_cast<int>(index % 12) + 1;
  return CivilDate{year, month, std::min(day.day, DaysInMonth(year, month))};
}

}  // namespace quorvane
