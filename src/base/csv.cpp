#include "base/csv.h"

#include <algorithm>
#include <cstdio>

namespace quorvane {
namespace {

// Exactly `count` ASCII digits.
std::optional<int> Digits(std::string_view text, std::size_t at, std::size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

// Quotes toggle, so a doubled quote inside a field keeps the count.
std::vector<CsvRecord> SplitCsvRecords(std::string_view bytes) {
  std::vector<CsvRecord> records;
  std::size_t start = 0;
  while (start < bytes.size()) {
    bool quoted = false;
    std::size_t end = start;
    while (end < bytes.size() && (quoted || bytes[end] != '\n')) {
      if (bytes[end] == '"') quoted = !quoted;
      ++end;
    }
    if (quoted) {
      records.push_back({bytes.substr(start), false});
      break;
    }
    std::string_view text = bytes.substr(start, end - start);
    if (end < bytes.size() && text.ends_with('\r')) text.remove_suffix(1);
    if (!text.empty()) records.push_back({text, true});
    start = end + 1;
  }
  return records;
}

std::optional<std::vector<std::string>> SplitCsvFields(std::string_view record) {
  std::vector<std::string> fields;
  fields.reserve(16);
  std::size_t i = 0;
  for (;;) {
    std::string field;
    if (i < record.size() && record[i] == '"') {
      for (++i;; ++i) {
        if (i >= record.size()) return std::nullopt;
        if (record[i] == '"') {
          if (i + 1 < record.size() && record[i + 1] == '"') {
            field += '"';
            ++i;
            continue;
          }
          ++i;
          break;
        }
        field += record[i];
      }
      if (i < record.size() && record[i] != ',') return std::nullopt;
    } else {
      const std::size_t end = std::min(record.find(',', i), record.size());
      const std::string_view bare = record.substr(i, end - i);
      if (bare.find_first_of("\"\r\n") != std::string_view::npos) return std::nullopt;
      field = bare;
      i = end;
    }
    fields.push_back(std::move(field));
    if (i >= record.size()) return fields;
    ++i;  // the comma
  }
}

std::string QuoteCsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::optional<CivilDate> ParseIsoDate(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  if (!year || !month || !day) return std::nullopt;
  const CivilDate date{*year, *month, *day};
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::optional<LocalDateTime> ParseIsoDateTime(std::string_view text) {
  if (text.size() != 19 || text[10] != 'T' || text[13] != ':' || text[16] != ':') return std::nullopt;
  const auto date = ParseIsoDate(text.substr(0, 10));
  const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  if (!date || !hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
  return LocalDateTime{*date, *hour, *minute, *second};
}

std::string FormatIsoDate(const CivilDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

std::string FormatIsoDateTime(const LocalDateTime& time) {
  char text[48];
  std::snprintf(text, sizeof text, "T%02d:%02d:%02d", time.hour, time.minute, time.second);
  return FormatIsoDate(time.date) + text;
}

}  // namespace quorvane
