#pragma once
// The pieces of CSV as RFC 4180 describes it that the program's record files
// share: records, fields, quoting, and the ISO forms of dates and times.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/civil_date.h"

namespace quorvane {

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct CsvRecord {
  std::string_view text;  // without its line end
  // False for a quote that opens and never closes: the record runs to the
  // end of the bytes.
  bool terminated = true;
};

// Records end at a line feed outside quotes; a CR before it belongs to the
// line end. Blank lines are skipped.
std::vector<CsvRecord> SplitCsvRecords(std::string_view bytes);

// The fields of one record, or nothing when its quoting is broken.
std::optional<std::vector<std::string>> SplitCsvFields(std::string_view record);

// The field as written into a record: quoted when it holds a comma, a quote
// or a line end.
std::string QuoteCsvField(std::string_view field);

struct LocalDateTime {
  CivilDate date;
  int hour = 0, minute = 0, second = 0;
  friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

std::optional<CivilDate> ParseIsoDate(std::string_view text);          // 2026-12-07
std::optional<LocalDateTime> ParseIsoDateTime(std::string_view text);  // 2026-12-07T08:15:00
std::string FormatIsoDate(const CivilDate& date);
std::string FormatIsoDateTime(const LocalDateTime& time);

}  // namespace quorvane
