#include "selfcheck/self_check.h"

#include <numeric>

#include "base/utf.h"

namespace quorvane {
namespace {

constexpr int kFieldCount = 1 + kMgAdlItemCount + 3;

std::string Signed(int change) {
  return (change > 0 ? "高 " : "低 ") + std::to_string(change > 0 ? change : -change);
}

}  // namespace

int SelfCheck::Total() const { return std::accumulate(scores.begin(), scores.end(), 0); }

std::optional<SelfCheck> SelfCheckFormat::ParseRow(std::string_view record) {
  const auto fields = SplitCsvFields(record);
  if (!fields || fields->size() != kFieldCount) return std::nullopt;
  SelfCheck check;
  const auto date = ParseIsoDate((*fields)[0]);
  const auto loggedAt = ParseIsoDateTime((*fields)[kFieldCount - 1]);
  if (!date || !loggedAt) return std::nullopt;
  for (int i = 0; i < kMgAdlItemCount; ++i) {
    const std::string& score = (*fields)[1 + i];
    if (score.size() != 1 || score[0] < '0' || score[0] > '0' + kMgAdlMaxScore) return std::nullopt;
    check.scores[i] = score[0] - '0';
  }
  if ((*fields)[1 + kMgAdlItemCount] != std::to_string(check.Total())) return std::nullopt;
  check.note = (*fields)[kFieldCount - 2];
  if (!IsValidUtf8(check.note)) return std::nullopt;
  check.date = *date;
  check.loggedAt = *loggedAt;
  return check;
}

std::string SelfCheckFormat::FormatRow(const SelfCheck& check) {
  std::string row = FormatIsoDate(check.date);
  for (const int score : check.scores) row += ',' + std::to_string(score);
  return row + ',' + std::to_string(check.Total()) + ',' + QuoteCsvField(check.note) + ',' +
         FormatIsoDateTime(check.loggedAt);
}

const SelfCheck* PreviousCheck(const std::vector<SelfCheck>& checks, const CivilDate& day) {
  const SelfCheck* previous = nullptr;
  for (const SelfCheck& check : checks)
    if (check.date < day) previous = &check;
  return previous;
}

AfterSaveBox AdviceAfterSave(const SelfCheck& saved, const SelfCheck* previous) {
  std::string worse;
  for (const auto& [item, name] : {std::pair{kBreathing, "呼吸"}, std::pair{kSwallowing, "吞咽"}}) {
    const int score = saved.scores[item];
    if (score < 2 || (previous && score <= previous->scores[item])) continue;
    worse += (worse.empty() ? "" : "、") + std::string(name) + "一项为 " + std::to_string(score) + " 分";
  }
  if (!worse.empty())
    return {AfterSaveAdvice::Emergency,
            "您这次自评中，" + worse + (previous ? "，比上次高。" : "。") +
                "\r\n\r\n新出现或明显加重的呼吸困难或吞咽困难是急症。请立即拨打 120（在台湾地区拨打 "
                "119），或马上去最近的医院急诊。"};
  if (previous && saved.Total() >= previous->Total() + 2)
    return {AfterSaveAdvice::Rise,
            "您这次自评总分为 " + std::to_string(saved.Total()) + " 分，比上次（" +
                ShortDateText(previous->date, saved.date.year) + "）的 " + std::to_string(previous->Total()) +
                " 分" + Signed(saved.Total() - previous->Total()) +
                " 分。\r\n\r\n总分升高 2 分或更多，可能表示病情在加重。请尽快联系您的医生。"
                "在医生同意之前，请不要自行更改任何药物。"};
  return {};
}

std::string ShortDateText(const CivilDate& date, int currentYear) {
  const std::string monthDay = std::to_string(date.month) + "月" + std::to_string(date.day) + "日";
  return date.year == currentYear ? monthDay : std::to_string(date.year) + "年" + monthDay;
}

SelfCheckTrend BuildTrend(const std::vector<SelfCheck>& checks, const CivilDate& today) {
  SelfCheckTrend trend;
  trend.last = today;
  trend.first = DateFromDays(DaysSinceEpoch(today) - kTrendWeeks * 7 + 1);
  for (const SelfCheck& check : checks)
    if (check.date >= trend.first && check.date <= today) trend.points.push_back({check.date, check.Total()});
  if (checks.empty()) {
    trend.label = "还没有自评记录";
    return trend;
  }
  const SelfCheck& latest = checks.back();
  trend.label = ShortDateText(latest.date, today.year) + " 自评 " + std::to_string(latest.Total()) + " 分，";
  if (checks.size() == 1) {
    trend.label += "这是第一次自评";
  } else {
    const int change = latest.Total() - checks[checks.size() - 2].Total();
    trend.label += change == 0 ? "与上次相同" : "比上次" + Signed(change) + " 分";
  }
  return trend;
}

}  // namespace quorvane
