#include "main_window_state.h"

#include "../driver/controls.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {

MainWindowState ReadMainWindowState(HWND mainWindow) {
  return {ControlText(mainWindow, ui::kDrugName),     ControlText(mainWindow, ui::kStartDate),
          ControlText(mainWindow, ui::kDose),         CheckState(mainWindow, ui::kAlternateDay),
          CheckState(mainWindow, ui::kRemindAtStart), CheckState(mainWindow, ui::kTipsAtStart)};
}

void PrintTo(const MainWindowState& state, std::ostream* out) {
  *out << "{药名 \"" << state.drugName << "\", 开始日期 \"" << state.startDate << "\", 用量 \"" << state.dose
       << "\", 隔日顿服 " << state.alternateDay << ", 开机提醒 " << state.remindAtStart << ", 显示日积月累 "
       << state.tipsAtStart << "}";
}

}  // namespace quorvane_e2e
