#pragma once
// "就诊摘要": what the patient brings to the neurologist for a period that
// ends today: the regimen, the doses per month, the missed days, every
// self-check with its change, and the other notes.
#include <optional>
#include <string>
#include <vector>

#include "diary/diary_rows.h"
#include "regimen/regimen_values.h"
#include "selfcheck/self_check.h"

namespace quorvane {

struct DateRange {
  CivilDate first, last;
  int Days() const;
  bool Contains(const CivilDate& day) const;
};

// The period choices; the last 90 days come first.
enum class SummaryPeriod { Last90Days, Last30Days, Last180Days, SinceDate };

// The period ending today; nothing for a start after today.
std::optional<DateRange> PeriodOf(SummaryPeriod choice, const CivilDate& today, const CivilDate& since = {});

struct AdherenceRow {
  int year = 0, month = 0;  // 0 for the row of the whole period
  int doseDays = 0, taken = 0, missed = 0, unrecorded = 0;
};
// Taken of the dose days, rounded: "94%"; "—" without dose days.
std::string PercentTakenText(const AdherenceRow& row);

struct CheckRow {
  SelfCheck check;
  std::optional<int> change;  // from the check before, which may lie before the period
};

struct NoteRow {
  CivilDate date;
  std::string source;  // "用药" or "自评"
  std::string text;
};

struct VisitSummary {
  DateRange period;
  CivilDate made;
  RegimenValues regimen;
  // Dose days are counted from the later of the period's first day and the
  // regimen's start date: before it there was nothing to take.
  CivilDate countedFrom;
  std::vector<AdherenceRow> months;  // every month the period touches, in order
  AdherenceRow total;
  std::vector<DiaryEntry> missed;  // every day logged as missed
  std::vector<CheckRow> checks;
  std::vector<NoteRow> notes;  // the notes of days taken and of the checks
};

// `diary` and `checks` are in date order, as DatedFile::Entries gives them.
// Dose days follow the reminder's rule (see IsDoseDay): every second day
// when 隔日顿服 is ticked, every day when it is clear, none when it is grey.
VisitSummary SummarizeVisit(const std::vector<DiaryEntry>& diary, const std::vector<SelfCheck>& checks,
                            const RegimenValues& regimen, const DateRange& period, const CivilDate& made);

}  // namespace quorvane
