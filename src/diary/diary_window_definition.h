#pragma once
// "用药记录": its control table and control ids. Esc arrives as IDCANCEL.
#include "ui/window_definition.h"

namespace quorvane {

extern const WindowDefinition kDiaryWindow;

namespace diary_window {

inline constexpr int kPreviousMonthButton = 1301;
inline constexpr int kNextMonthButton = 1302;
inline constexpr int kMonth = 1303;
inline constexpr int kCalendar = 1304;
inline constexpr int kLegend = 1305;
inline constexpr int kDay = 1306;  // the selected day in words
inline constexpr int kNoteLabel = 1307;
inline constexpr int kNoteBox = 1308;
inline constexpr int kTakenButton = 1309;
inline constexpr int kMissedButton = 1310;
inline constexpr int kClearButton = 1311;
inline constexpr int kExportButton = 1312;
inline constexpr int kSummary = 1313;

}  // namespace diary_window
}  // namespace quorvane
