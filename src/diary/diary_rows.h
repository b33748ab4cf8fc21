#pragma once
// The rows of the medication diary file (see base/dated_csv.h), one day per
// row:
//   date,status,drug,dose,note,logged_at
//   2026-12-07,taken,强的松,6,"早饭后,温水",2026-12-07T08:15:00
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/dated_csv.h"

namespace quorvane {

inline constexpr std::string_view kDiaryHeader = "date,status,drug,dose,note,logged_at";

enum class DoseStatus { Taken, Missed };

struct DiaryEntry {
  CivilDate date;
  DoseStatus status = DoseStatus::Taken;
  std::string drug, dose, note;
  LocalDateTime loggedAt;
  friend bool operator==(const DiaryEntry&, const DiaryEntry&) = default;
};

struct DiaryFormat {
  using Entry = DiaryEntry;
  static constexpr std::string_view kHeader = kDiaryHeader;
  static std::optional<DiaryEntry> ParseRow(std::string_view record);
  static std::string FormatRow(const DiaryEntry& entry);
};

using DiaryRow = DatedRow<DiaryEntry>;
using DiaryRows = DatedRows<DiaryEntry>;

inline DiaryRows ParseDiaryRows(std::string_view bytes) { return ParseDatedRows<DiaryFormat>(bytes); }
inline std::string FormatDiaryRow(const DiaryEntry& entry) { return DiaryFormat::FormatRow(entry); }
inline std::string FormatDiaryFile(const std::vector<DiaryRow>& rows) {
  return FormatDatedFile<DiaryFormat>(rows);
}

}  // namespace quorvane
