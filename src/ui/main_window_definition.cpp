#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

using enum ControlKind;

// Read top to bottom: drug name, dose, start date; the two schedule switches
// side by side; the tip switch; "修改" and "退出". Tab goes from the drug name
// to the start date and only then to the dose. Each label has the tab index
// of the box it names, so that it is created just before it: a screen
// reader names a box by the label before it.
constexpr ControlDefinition kControls[] = {
    // name                    kind        id                    in caption               left  top   width height tab flags      value
    {"chkLoadTipsAtStartup", CheckBox, ids::kTipsAtStartup, 0, "显示日积月累(&S)", 360, 3120, 2055, 315, 10, 0, 1},
    {"Command2", PushButton, ids::kHide, 0, "退出", 1560, 3720, 1215, 495, 9},
    {"Command1", PushButton, ids::kSave, 0, "修改", 240, 3720, 1215, 495, 8},
    {"chkKjtx", CheckBox, ids::kRemindAtStart, 0, "开机提醒", 1560, 2640, 1215, 495, 7, 0, 1},
    {"chkGrdf", CheckBox, ids::kAlternateDay, 0, "隔日顿服", 360, 2640, 1215, 495, 6, 0, 1},
    {"Text1(2)", TextBox, ids::kDose, 0, "6", 1200, 1080, 1215, 375, 5},
    {"Text1(1)", TextBox, ids::kStartDate, 0, "2006-05-22", 1200, 1800, 1215, 375, 4},
    {"Text1(0)", TextBox, ids::kDrugName, 0, "强的松", 1200, 480, 1215, 375, 3},
    {"Label1(2)", Label, ids::kStartDateLabel, 0, "开始日期", 360, 1920, 720, 180, 4, kAutoSize},
    {"Label1(1)", Label, ids::kDoseLabel, 0, "用量", 360, 1200, 360, 180, 5, kAutoSize},
    {"Label1(0)", Label, ids::kDrugNameLabel, 0, "药名", 360, 480, 360, 180, 3, kAutoSize},
};

}  // namespace

const WindowDefinition kMainWindow{"QuorvaneMainWindow", "Quorvane1.0", 2985, 4695, kControls};

}  // namespace quorvane
