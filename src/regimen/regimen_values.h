#pragma once
// The main window's controls as the record sees them: three texts and three
// check boxes (0 clear, 1 ticked, 2 grey).
#include <string>

namespace quorvane {

struct RegimenValues {
  std::string drugName = "强的松";
  std::string startDate = "2006-05-22";
  std::string dose = "6";
  int alternateDay = 1;    // chkGrdf "隔日顿服"
  int remindAtStart = 1;   // chkKjtx "开机提醒"
  int tipsAtStartup = 1;   // chkLoadTipsAtStartup "显示日积月累(&S)"
  friend bool operator==(const RegimenValues&, const RegimenValues&) = default;
};

}  // namespace quorvane
