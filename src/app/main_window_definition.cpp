#include "app/main_window_definition.h"

#include <string>

namespace quorvane {
namespace {

using enum ControlKind;
using namespace main_window;

// Read top to bottom: drug name, dose, start date; the two schedule switches
// side by side; the tip switch; "修改" and "退出". Tab goes from the drug name
// to the start date and only then to the dose. Each label has the tab index
// of the box it names, so that it is created just before it: a screen
// reader names a box by the label before it.
constexpr ControlDefinition kControls[] = {
    // name, kind, id, container (0: the window), caption, left, top, width, height, tab index, flags, value
    {"tipsAtStartupCheck", CheckBox, kTipsAtStartupCheck, 0, "显示日积月累(&S)", 360, 3120, 2055, 315, 10, 0,
     1},
    {"hideButton", PushButton, kHideButton, 0, "退出", 1560, 3720, 1215, 495, 9},
    {"saveButton", PushButton, kSaveButton, 0, "修改", 240, 3720, 1215, 495, 8},
    {"remindAtStartCheck", CheckBox, kRemindAtStartCheck, 0, "开机提醒", 1560, 2640, 1215, 495, 7, 0, 1},
    {"alternateDayCheck", CheckBox, kAlternateDayCheck, 0, "隔日顿服", 360, 2640, 1215, 495, 6, 0, 1},
    {"doseBox", TextBox, kDoseBox, 0, "6", 1200, 1080, 1215, 375, 5},
    {"startDateBox", TextBox, kStartDateBox, 0, "2006-05-22", 1200, 1800, 1215, 375, 4},
    {"drugNameBox", TextBox, kDrugNameBox, 0, "强的松", 1200, 480, 1215, 375, 3},
    {"startDateLabel", Label, kStartDateLabel, 0, "开始日期", 360, 1920, 720, 180, 4, kAutoSize},
    {"doseLabel", Label, kDoseLabel, 0, "用量", 360, 1200, 360, 180, 5, kAutoSize},
    {"drugNameLabel", Label, kDrugNameLabel, 0, "药名", 360, 480, 360, 180, 3, kAutoSize},
};

}  // namespace

const WindowDefinition kMainWindow{"QuorvaneMainWindow", "Quorvane1.0", 2985, 4695, kControls};

namespace main_window {

RegimenValues DesignRegimen() {
  const auto text = [](int id) { return std::string(FindControl(kMainWindow, id)->caption); };
  const auto value = [](int id) { return FindControl(kMainWindow, id)->initialValue; };
  return {text(kDrugNameBox),        text(kStartDateBox),        text(kDoseBox),
          value(kAlternateDayCheck), value(kRemindAtStartCheck), value(kTipsAtStartupCheck)};
}

}  // namespace main_window

}  // namespace quorvane
