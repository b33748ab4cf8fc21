// 就诊摘要: the period, the figures it shows and the page it writes.
#include <gtest/gtest.h>

#include "summary/summary_page.h"

namespace quorvane {
namespace {

DiaryEntry Logged(CivilDate day, DoseStatus status, std::string note = "") {
  return {day, status, "强的松", "6", std::move(note), {day, 8, 0, 0}};
}

// "2026-1 2/1/1/0 50%": month, dose days/taken/missed/unrecorded, share taken.
std::string Figures(const AdherenceRow& row) {
  return std::to_string(row.year) + '-' + std::to_string(row.month) + ' ' + std::to_string(row.doseDays) +
         '/' + std::to_string(row.taken) + '/' + std::to_string(row.missed) + '/' +
         std::to_string(row.unrecorded) + ' ' + PercentTakenText(row);
}

const std::vector<DiaryEntry> kDiary = {
    Logged({2026, 1, 27}, DoseStatus::Missed, "before the period"), Logged({2026, 1, 29}, DoseStatus::Taken),
    Logged({2026, 1, 30}, DoseStatus::Missed, "发烧"), Logged({2026, 1, 31}, DoseStatus::Missed),
    Logged({2026, 2, 1}, DoseStatus::Taken, "饭后")};
const std::vector<SelfCheck> kChecks = {
    {{2026, 1, 25}, {1, 1, 1}, "", {}},
    {{2026, 2, 1}, {1, 1, 1, 0, 1, 1}, "<img src=x onerror=alert(1)>", {}}};
const DateRange kPeriod = *PeriodOf(SummaryPeriod::SinceDate, {2026, 2, 3}, {2026, 1, 29});

TEST(VisitSummary, CountsDoseDaysPerMonthUnderEachSwitch) {
  const struct {
    const char* start;
    int alternateDay;
    const char *january, *february, *total;
  } cases[] = {
      {"2026-01-05", 1, "2026-1 2/1/1/0 50%", "2026-2 1/0/0/1 0%", "0-0 3/1/1/1 33%"},     // 29, 31, 2
      {"2026-01-05", 0, "2026-1 3/1/2/0 33%", "2026-2 3/1/0/2 33%", "0-0 6/2/2/2 33%"},    // every day
      {"2026-01-05", 2, "2026-1 0/0/0/0 —", "2026-2 0/0/0/0 —", "0-0 0/0/0/0 —"},          // grey: none
      {"2026年1月31日", 0, "2026-1 1/0/1/0 0%", "2026-2 3/1/0/2 33%", "0-0 4/1/1/2 25%"},  // from the start
  };
  for (const auto& c : cases) {
    const VisitSummary summary =
        SummarizeVisit(kDiary, kChecks, {"强的松", c.start, "6", c.alternateDay}, kPeriod, {2026, 2, 3});
    ASSERT_EQ(summary.months.size(), 2u);
    EXPECT_EQ(Figures(summary.months[0]), c.january) << c.start << c.alternateDay;
    EXPECT_EQ(Figures(summary.months[1]), c.february) << c.start << c.alternateDay;
    EXPECT_EQ(Figures(summary.total), c.total) << c.start << c.alternateDay;
  }
}

TEST(VisitSummary, ListsMissedDaysChecksWithTheirChangeAndOtherNotes) {
  const VisitSummary summary =
      SummarizeVisit(kDiary, kChecks, {"强的松", "2026-01-05", "6", 1}, kPeriod, {2026, 2, 3});
  ASSERT_EQ(summary.missed.size(), 2u);
  EXPECT_EQ(summary.missed[0].note, "发烧");
  ASSERT_EQ(summary.checks.size(), 1u);
  EXPECT_EQ(summary.checks[0].change, 2);
  ASSERT_EQ(summary.notes.size(), 2u);
  EXPECT_EQ(summary.notes[0].source + summary.notes[0].text, "用药饭后");
  EXPECT_EQ(summary.notes[1].source, "自评");
  EXPECT_EQ(PeriodOf(SummaryPeriod::Last90Days, {2026, 12, 7})->first, (CivilDate{2026, 9, 9}));
  EXPECT_FALSE(PeriodOf(SummaryPeriod::SinceDate, {2026, 12, 7}, {2026, 12, 8}));
}

TEST(VisitSummaryPage, EscapesWhatTheUserTypedAndLoadsNothingFromElsewhere) {
  MgAdlScale scale;
  scale.citation = "Wolfe GI et al. Neurology 1999";
  const VisitSummary summary =
      SummarizeVisit(kDiary, kChecks, {"强的松<i>", "2026-01-05", "6\"'", 1}, kPeriod, {2026, 2, 3});
  const std::string html = VisitSummaryHtml(summary, scale);
  EXPECT_NE(html.find("<td>&lt;img src=x onerror=alert(1)&gt;</td>"), std::string::npos);
  EXPECT_NE(html.find("<td>强的松&lt;i&gt;</td><td>6&quot;&#39; 片</td>"), std::string::npos);
  for (const char* active : {"<img", "<i", "<script", "src=\"", "href", "url(", "@import"})
    EXPECT_EQ(html.find(active), std::string::npos) << active;
  EXPECT_EQ(VisitSummaryFileName({2026, 12, 7}), "Quorvane 就诊摘要 2026-12-07.html");
}

}  // namespace
}  // namespace quorvane
