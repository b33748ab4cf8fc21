#pragma once
// The rows of the medication diary file: CSV as RFC 4180 describes it,
// UTF-8 with a byte order mark, CR LF, one day per row:
//   date,status,drug,dose,note,logged_at
//   2026-12-07,taken,强的松,6,"早饭后,温水",2026-12-07T08:15:00
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/civil_date.h"

namespace quorvane {

inline constexpr std::string_view kDiaryHeader = "date,status,drug,dose,note,logged_at";

enum class DoseStatus { Taken, Missed };

struct LocalDateTime {
  CivilDate date;
  int hour = 0, minute = 0, second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

struct DiaryEntry {
  CivilDate date;
  DoseStatus status = DoseStatus::Taken;
  std::string drug, dose, note;
  LocalDateTime loggedAt;
  friend bool operator==(const DiaryEntry&, const DiaryEntry&) = default;
};

// One record of the file. A row the program understood carries its entry;
// any other row is kept as the bytes it was, so that writing the file again
// never loses it.
struct DiaryRow {
  std::optional<DiaryEntry> entry;
  std::string text;  // the record as read, without its line end
  // False for a quote that opens and never closes: that record runs to the
  // end of the file and is written back last, byte for byte.
  bool terminated = true;
};

struct DiaryRows {
  std::vector<DiaryRow> rows;  // the header is not among them
  int unreadable = 0;
};

// Splits the file into rows. Blank lines are skipped; a second row for a day
// already read counts as unreadable and is kept as it is.
DiaryRows ParseDiaryRows(std::string_view bytes);

std::string FormatDiaryRow(const DiaryEntry& entry);
// The byte order mark, the header and the rows in the order given, CR LF.
std::string FormatDiaryFile(const std::vector<DiaryRow>& rows);

std::string FormatIsoDate(const CivilDate& date);          // 2026-12-07
std::string FormatIsoDateTime(const LocalDateTime& time);  // 2026-12-07T08:15:00

}  // namespace quorvane
