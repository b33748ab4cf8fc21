#pragma once
// "就诊摘要": its control table and control ids. Esc arrives as IDCANCEL.
#include "ui/window_definition.h"

namespace quorvane {

extern const WindowDefinition kSummaryWindow;

namespace summary_window {

inline constexpr int kPeriodFrame = 1501;
inline constexpr int kDays90Button = 1502;  // chosen when the window opens
inline constexpr int kDays30Button = 1503;
inline constexpr int kDays180Button = 1504;
inline constexpr int kSinceButton = 1505;
inline constexpr int kSinceLabel = 1506;
inline constexpr int kSinceBox = 1507;  // enabled while 自某日起 is chosen
inline constexpr int kMakeButton = 1508;
inline constexpr int kCancelButton = 1509;

}  // namespace summary_window
}  // namespace quorvane
