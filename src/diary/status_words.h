#pragma once
// The words for what was logged for a day, written once for every text that
// shows them: the calendar, the day and the month in words, the buttons.
#include <string_view>

#include "diary/diary_rows.h"

namespace quorvane {

inline constexpr std::string_view kTakenWord = "已服";
inline constexpr std::string_view kMissedWord = "漏服";
inline constexpr std::string_view kUnloggedWord = "未记录";

constexpr std::string_view StatusWord(DoseStatus status) {
  return status == DoseStatus::Taken ? kTakenWord : kMissedWord;
}

}  // namespace quorvane
