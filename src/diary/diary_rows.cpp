#include "diary/diary_rows.h"

#include "base/utf.h"

namespace quorvane {

std::optional<DiaryEntry> DiaryFormat::ParseRow(std::string_view record) {
  const auto fields = SplitCsvFields(record);
  if (!fields || fields->size() != 6) return std::nullopt;
  for (const std::string& field : *fields)
    if (!IsValidUtf8(field)) return std::nullopt;
  DiaryEntry entry;
  const auto date = ParseIsoDate((*fields)[0]);
  const auto loggedAt = ParseIsoDateTime((*fields)[5]);
  if (!date || !loggedAt) return std::nullopt;
  const std::string& status = (*fields)[1];
  if (status == "taken")
    entry.status = DoseStatus::Taken;
  else if (status == "missed")
    entry.status = DoseStatus::Missed;
  else
    return std::nullopt;
  entry.date = *date;
  entry.drug = (*fields)[2];
  entry.dose = (*fields)[3];
  entry.note = (*fields)[4];
  entry.loggedAt = *loggedAt;
  return entry;
}

std::string DiaryFormat::FormatRow(const DiaryEntry& entry) {
  const char* status = entry.status == DoseStatus::Taken ? "taken" : "missed";
  return FormatIsoDate(entry.date) + ',' + status + ',' + QuoteCsvField(entry.drug) + ',' +
         QuoteCsvField(entry.dose) + ',' + QuoteCsvField(entry.note) + ',' +
         FormatIsoDateTime(entry.loggedAt);
}

}  // namespace quorvane
