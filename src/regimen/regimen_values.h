#pragma once
// The main window's controls as the record sees them: three texts and three
// check boxes (0 clear, 1 ticked, 2 grey). A first start shows the values of
// the main window's control table.
#include <string>

namespace quorvane {

struct RegimenValues {
  std::string drugName;
  std::string startDate;
  std::string dose;
  int alternateDay = 0;   // chkGrdf "隔日顿服"
  int remindAtStart = 0;  // chkKjtx "开机提醒"
  int tipsAtStartup = 0;  // chkLoadTipsAtStartup "显示日积月累(&S)"
  friend bool operator==(const RegimenValues&, const RegimenValues&) = default;
};

}  // namespace quorvane
