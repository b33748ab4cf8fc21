#include "diary/diary_rows.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "base/utf.h"

namespace quorvane {
namespace {

// The status column's words.
constexpr std::pair<DoseStatus, std::string_view> kStoredStatuses[] = {{DoseStatus::Taken, "taken"},
                                                                       {DoseStatus::Missed, "missed"}};

}  // namespace

std::optional<DiaryEntry> DiaryFormat::ParseRow(std::string_view record) {
  const auto fields = SplitCsvFields(record);
  if (!fields || fields->size() != 6) return std::nullopt;
  for (const std::string& field : *fields)
    if (!IsValidUtf8(field)) return std::nullopt;
  DiaryEntry entry;
  const auto date = ParseIsoDate((*fields)[0]);
  const auto loggedAt = ParseIsoDateTime((*fields)[5]);
  if (!date || !loggedAt) return std::nullopt;
  const auto stored = std::find_if(std::begin(kStoredStatuses), std::end(kStoredStatuses),
                                   [&](const auto& status) { return status.second == (*fields)[1]; });
  if (stored == std::end(kStoredStatuses)) return std::nullopt;
  entry.status = stored->first;
  entry.date = *date;
  entry.drug = (*fields)[2];
  entry.dose = (*fields)[3];
  entry.note = (*fields)[4];
  entry.loggedAt = *loggedAt;
  return entry;
}

std::string DiaryFormat::FormatRow(const DiaryEntry& entry) {
  const auto stored = std::find_if(std::begin(kStoredStatuses), std::end(kStoredStatuses),
                                   [&](const auto& status) { return status.first == entry.status; });
  return FormatIsoDate(entry.date) + ',' + std::string(stored->second) + ',' + QuoteCsvField(entry.drug) +
         ',' + QuoteCsvField(entry.dose) + ',' + QuoteCsvField(entry.note) + ',' +
         FormatIsoDateTime(entry.loggedAt);
}

}  // namespace quorvane
