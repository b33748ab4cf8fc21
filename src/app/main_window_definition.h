#pragma once
// "Quorvane1.0": its control table and control ids.
#include "regimen/regimen_values.h"
#include "ui/window_definition.h"

namespace quorvane {

extern const WindowDefinition kMainWindow;

namespace main_window {

inline constexpr int kDrugNameBox = 1000;
inline constexpr int kStartDateBox = 1001;
inline constexpr int kDoseBox = 1002;
inline constexpr int kAlternateDayCheck = 1010;
inline constexpr int kRemindAtStartCheck = 1011;
inline constexpr int kTipsAtStartupCheck = 1012;
inline constexpr int kSaveButton = 1020;  // "修改"
inline constexpr int kHideButton = 1021;  // "退出"
inline constexpr int kDrugNameLabel = 1030;
inline constexpr int kDoseLabel = 1031;
inline constexpr int kStartDateLabel = 1032;

// The regimen as the controls hold it when they are made: the texts of the
// boxes and the values of the check boxes in the table. Start-up works on it
// until the controls exist.
RegimenValues DesignRegimen();

}  // namespace main_window
}  // namespace quorvane
