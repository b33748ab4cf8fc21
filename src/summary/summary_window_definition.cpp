#include "summary/summary_window_definition.h"

namespace quorvane {
namespace {

using enum ControlKind;
using namespace summary_window;

// The period in a frame that names the group, 自某日起 with its date box
// last; then "生成" and "取消". Tab stops once in the group, on the chosen
// period, then the date box, then the buttons.
constexpr ControlDefinition kControls[] = {
    // name, kind, id, container (0: the window), caption, left, top, width, height, tab index, flags, value
    {"periodFrame", Frame, kPeriodFrame, 0, "时间段", 120, 120, 4200, 1920, 0},
    {"days90Button", RadioButton, kDays90Button, kPeriodFrame, "最近 90 天", 240, 300, 1800, 300, 1, 0, 1},
    {"days30Button", RadioButton, kDays30Button, kPeriodFrame, "最近 30 天", 240, 660, 1800, 300, 2},
    {"days180Button", RadioButton, kDays180Button, kPeriodFrame, "最近 180 天", 240, 1020, 1800, 300, 3},
    {"sinceButton", RadioButton, kSinceButton, kPeriodFrame, "自某日起", 240, 1380, 1320, 300, 4},
    {"sinceLabel", Label, kSinceLabel, kPeriodFrame, "日期(&D)", 1620, 1410, 660, 255, 5},
    {"sinceBox", TextBox, kSinceBox, kPeriodFrame, "", 2340, 1350, 1680, 375, 5},
    {"makeButton", PushButton, kMakeButton, 0, "生成(&G)", 1800, 2220, 1200, 420, 6, kDefaultButton},
    {"cancelButton", PushButton, kCancelButton, 0, "取消", 3120, 2220, 1200, 420, 7},
};

}  // namespace

const WindowDefinition kSummaryWindow{"QuorvaneSummaryWindow", "就诊摘要", 4440, 2760, kControls};

}  // namespace quorvane
