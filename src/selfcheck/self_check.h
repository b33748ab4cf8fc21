#pragma once
// The weekly MG-ADL self-check: its rows in selfcheck.csv (see
// base/dated_csv.h), the advice after saving one, and the trend that
// 用药记录 shows.
//   date,talking,chewing,swallowing,breathing,grooming,rising,double_vision,eyelid_droop,total,note,logged_at
//   2026-12-07,0,1,0,0,1,0,2,1,5,感冒了,2026-12-07T20:15:00
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dated_csv.h"
#include "selfcheck/mg_adl_scale.h"

namespace quorvane {

inline constexpr std::string_view kSelfCheckFileName = "selfcheck.csv";
inline constexpr std::string_view kSelfCheckHeader =
    "date,talking,chewing,swallowing,breathing,grooming,rising,double_vision,eyelid_droop,total,note,logged_"
    "at";

struct SelfCheck {
  CivilDate date;
  std::array<int, kMgAdlItemCount> scores{};  // 0 to 3 each, in kMgAdlKeys order
  std::string note;
  LocalDateTime loggedAt;
  int Total() const;
  friend bool operator==(const SelfCheck&, const SelfCheck&) = default;
};

// A row is understood only when every score is 0 to 3 and the total is
// their sum, written without leading zeros.
struct SelfCheckFormat {
  using Entry = SelfCheck;
  static constexpr std::string_view kHeader = kSelfCheckHeader;
  static std::optional<SelfCheck> ParseRow(std::string_view record);
  static std::string FormatRow(const SelfCheck& check);
};

// A second check on the same day replaces that day's row.
using SelfCheckFile = DatedFile<SelfCheckFormat>;

// The check before the given day, if any. `checks` is in date order.
const SelfCheck* PreviousCheck(const std::vector<SelfCheck>& checks, const CivilDate& day);

// At most one box after saving, by precedence: breathing or swallowing at 2
// or 3 and higher than at the previous check (or no previous check) is an
// emergency; otherwise a total 2 or more above the previous check is a rise.
enum class AfterSaveAdvice { None, Emergency, Rise };
struct AfterSaveBox {
  AfterSaveAdvice advice = AfterSaveAdvice::None;
  std::string text;
};
AfterSaveBox AdviceAfterSave(const SelfCheck& saved, const SelfCheck* previous);

// "12月7日" within the given year, "2025年12月7日" otherwise.
std::string ShortDateText(const CivilDate& date, int currentYear);

// The trend beside 用药记录's buttons: the totals of the last 26 weeks up to
// today, and the latest check in words for screen readers:
//   "12月7日 自评 5 分，比上次高 2 分" (低 / 与上次相同 / 这是第一次自评)
//   "还没有自评记录"
struct TrendPoint {
  CivilDate date;
  int total = 0;
};
struct SelfCheckTrend {
  CivilDate first, last;  // the span the line covers, today last
  std::vector<TrendPoint> points;
  std::string label;
};
inline constexpr int kTrendWeeks = 26;
SelfCheckTrend BuildTrend(const std::vector<SelfCheck>& checks, const CivilDate& today);

}  // namespace quorvane
