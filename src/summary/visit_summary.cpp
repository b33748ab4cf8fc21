#include "summary/visit_summary.h"

#include <unordered_map>

#include "regimen/date_text.h"
#include "regimen/dose_reminder.h"

namespace quorvane {
namespace {

std::int64_t Day(const CivilDate& date) { return DaysSinceEpoch(date); }

void Count(AdherenceRow& row, const DiaryEntry* entry) {
  ++row.doseDays;
  if (!entry)
    ++row.unrecorded;
  else if (entry->status == DoseStatus::Taken)
    ++row.taken;
  else
    ++row.missed;
}

}  // namespace

int DateRange::Days() const { return static_cast<int>(Day(last) - Day(first) + 1); }

bool DateRange::Contains(const CivilDate& day) const { return day >= first && day <= last; }

std::optional<DateRange> PeriodOf(SummaryPeriod choice, const CivilDate& today, const CivilDate& since) {
  int days = 0;
  switch (choice) {
    case SummaryPeriod::Last30Days:
      days = 30;
      break;
    case SummaryPeriod::Last90Days:
      days = 90;
      break;
    case SummaryPeriod::Last180Days:
      days = 180;
      break;
    case SummaryPeriod::SinceDate:
      if (!IsValidDate(since) || since > today) return std::nullopt;
      return DateRange{since, today};
  }
  return DateRange{DateFromDays(Day(today) - days + 1), today};
}

std::string PercentTakenText(const AdherenceRow& row) {
  if (row.doseDays == 0) return "—";
  return std::to_string((row.taken * 200 + row.doseDays) / (2 * row.doseDays)) + "%";
}

VisitSummary SummarizeVisit(const std::vector<DiaryEntry>& diary, const std::vector<SelfCheck>& checks,
                            const RegimenValues& regimen, const DateRange& period, const CivilDate& made) {
  VisitSummary summary;
  summary.period = period;
  summary.made = made;
  summary.regimen = regimen;
  summary.countedFrom = period.first;
  if (const auto start = ParseDateText(regimen.startDate); start && start->date > period.first)
    summary.countedFrom = start->date;

  std::unordered_map<std::int64_t, const DiaryEntry*> logged;
  for (const DiaryEntry& entry : diary) {
    if (!period.Contains(entry.date)) continue;
    logged[Day(entry.date)] = &entry;
    if (entry.status == DoseStatus::Missed) summary.missed.push_back(entry);
  }
  for (std::int64_t day = Day(period.first); day <= Day(period.last); ++day) {
    const CivilDate date = DateFromDays(day);
    if (summary.months.empty() || summary.months.back().month != date.month)
      summary.months.push_back({date.year, date.month});
    if (day < Day(summary.countedFrom) || !IsDoseDay(regimen, date)) continue;
    const auto found = logged.find(day);
    const DiaryEntry* entry = found == logged.end() ? nullptr : found->second;
    Count(summary.months.back(), entry);
    Count(summary.total, entry);
  }

  const SelfCheck* before = nullptr;
  for (const SelfCheck& check : checks) {
    if (period.Contains(check.date)) {
      CheckRow row{check, std::nullopt};
      if (before) row.change = check.Total() - before->Total();
      summary.checks.push_back(row);
    }
    before = &check;
  }

  // Diary notes and check notes, merged by date; the missed days' notes are
  // in their own list.
  auto nextCheck = summary.checks.begin();
  const auto addChecksUpTo = [&](std::int64_t day) {
    for (; nextCheck != summary.checks.end() && Day(nextCheck->check.date) <= day; ++nextCheck)
      if (!nextCheck->check.note.empty())
        summary.notes.push_back({nextCheck->check.date, "自评", nextCheck->check.note});
  };
  for (const DiaryEntry& entry : diary) {
    if (!period.Contains(entry.date) || entry.status != DoseStatus::Taken || entry.note.empty()) continue;
    addChecksUpTo(Day(entry.date) - 1);
    summary.notes.push_back({entry.date, "用药", entry.note});
  }
  addChecksUpTo(Day(period.last));
  return summary;
}

}  // namespace quorvane
