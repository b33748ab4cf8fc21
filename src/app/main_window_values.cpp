#include "app/main_window_values.h"

#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

std::string Caption(int id) { return std::string(FindControl(kMainWindow, id)->caption); }
int InitialValue(int id) { return FindControl(kMainWindow, id)->initialValue; }

}  // namespace

RegimenValues MainWindowDesignValues() {
  return {
      Caption(ids::kDrugName),          Caption(ids::kStartDate),          Caption(ids::kDose),
      InitialValue(ids::kAlternateDay), InitialValue(ids::kRemindAtStart), InitialValue(ids::kTipsAtStartup)};
}

}  // namespace quorvane
