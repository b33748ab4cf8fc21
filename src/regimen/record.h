#pragma once
// The stored regimen record: five fields joined by "|", e.g.
// "强的松|2006-05-22|6|3|1" (drug, start date, dose, 2*alternate-day +
// remind-at-start, tip window at start).
#include <string>
#include <string_view>

#include "regimen/regimen_values.h"

namespace quorvane {

// Applies a stored record to the controls. Fields that are missing or whose
// value a check box does not take leave that control as it is; a record
// without any "|" changes nothing.
void ApplyRegimen(std::string_view record, RegimenValues& controls);

// The record the "修改" button stores.
std::string BuildRegimen(const RegimenValues& controls);

}  // namespace quorvane
