// summarytool DOSELOG.CSV SELFCHECK.CSV MG-ADL.TXT RECORD TODAY DAYS|SINCE OUT.HTML
//   RECORD  the stored regimen record, e.g. "强的松|2026-01-05|6|3|1"
//   TODAY   the day the summary is made, e.g. 2026-12-07
//   DAYS    30, 90 or 180 for the last days; or a date to start from
// A missing record file counts as empty, as in the program.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "diary/diary_rows.h"
#include "regimen/record.h"
#include "summary/summary_page.h"

using namespace quorvane;

namespace {

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "summarytool: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 8)
    return Fail("usage: summarytool DOSELOG.CSV SELFCHECK.CSV MG-ADL.TXT RECORD TODAY DAYS|SINCE OUT.HTML");
  std::string error;
  const auto scale = ParseMgAdlScale(ReadFile(argv[3]), &error);
  if (!scale) return Fail(error);
  RegimenValues regimen;
  ApplyRegimen(argv[4], regimen);
  const auto today = ParseIsoDate(argv[5]);
  if (!today) return Fail(std::string("not a date: ") + argv[5]);
  const std::string days = argv[6];
  std::optional<DateRange> period;
  if (const auto since = ParseIsoDate(days))
    period = PeriodOf(SummaryPeriod::SinceDate, *today, *since);
  else if (days == "30" || days == "90" || days == "180")
    period = PeriodOf(days == "30"   ? SummaryPeriod::Last30Days
                      : days == "90" ? SummaryPeriod::Last90Days
                                     : SummaryPeriod::Last180Days,
                      *today);
  if (!period) return Fail("not a period: " + days);

  const auto diary = EntriesByDate(ParseDiaryRows(ReadFile(argv[1])).rows);
  const auto checks = EntriesByDate(ParseDatedRows<SelfCheckFormat>(ReadFile(argv[2])).rows);
  const VisitSummary summary = SummarizeVisit(diary, checks, regimen, *period, *today);
  std::ofstream out(argv[7], std::ios::binary);
  out << VisitSummaryHtml(summary, *scale);
  return out.good() ? 0 : Fail(std::string("cannot write ") + argv[7]);
}
