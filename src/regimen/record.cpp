#include "regimen/record.h"

#include <optional>
#include <vector>

#include "regimen/leading_number.h"

namespace quorvane {
namespace {

constexpr char kSeparator = '|';

std::vector<std::string_view> SplitFields(std::string_view record) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  for (std::size_t bar = record.find(kSeparator); bar != std::string_view::npos;
       bar = record.find(kSeparator, start)) {
    fields.push_back(record.substr(start, bar - start));
    start = bar + 1;
  }
  fields.push_back(record.substr(start));
  return fields;
}

// A check box takes 0, 1 and 2 only.
void SetCheckBox(int& box, std::optional<long long> value) {
  if (value && *value >= 0 && *value <= 2) box = static_cast<int>(*value);
}

}  // namespace

void ApplyRegimen(std::string_view record, RegimenValues& controls) {
  if (record.find(kSeparator) == std::string_view::npos) return;
  const std::vector<std::string_view> fields = SplitFields(record);

  std::string* const texts[] = {&controls.drugName, &controls.startDate, &controls.dose};
  for (std::size_t i = 0; i < 3 && i < fields.size(); ++i) *texts[i] = std::string(fields[i]);

  if (fields.size() >= 4) {
    if (const auto packed = RoundToInt32(LeadingNumber(fields[3]))) {
      SetCheckBox(controls.alternateDay, *packed / 2);
      SetCheckBox(controls.remindAtStart, *packed % 2);
    }
  }
  if (fields.size() >= 5) {
    if (const auto tips = RoundToInt16(LeadingNumber(fields[4]))) SetCheckBox(controls.tipsAtStartup, *tips);
  }
}

std::string BuildRegimen(const RegimenValues& controls) {
  const int packed = 2 * controls.alternateDay + controls.remindAtStart;
  return controls.drugName + kSeparator + controls.startDate + kSeparator + controls.dose + kSeparator +
         std::to_string(packed) + kSeparator + std::to_string(controls.tipsAtStartup);
}

}  // namespace quorvane
