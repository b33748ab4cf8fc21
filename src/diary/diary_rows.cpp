#include "diary/diary_rows.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <set>
#include <utility>

#include "base/utf.h"

namespace quorvane {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The status column's words.
constexpr std::pair<DoseStatus, std::string_view> kStoredStatuses[] = {{DoseStatus::Taken, "taken"},
                                                                       {DoseStatus::Missed, "missed"}};

struct Record {
  std::string_view text;
  bool terminated;
};

// Records end at a line feed outside quotes; a CR before it belongs to the
// line end. Quotes toggle, so a doubled quote inside a field keeps the count.
std::vector<Record> SplitRecords(std::string_view bytes) {
  std::vector<Record> records;
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

std::optional<std::vector<std::string>> SplitFields(std::string_view record) {
  std::vector<std::string> fields;
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
      for (; i < record.size() && record[i] != ','; ++i) {
        const char c = record[i];
        if (c == '"' || c == '\r' || c == '\n') return std::nullopt;
        field += c;
      }
    }
    fields.push_back(std::move(field));
    if (i >= record.size()) return fields;
    ++i;  // the comma
  }
}

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

std::optional<DiaryEntry> ParseEntry(std::string_view record) {
  const auto fields = SplitFields(record);
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

std::string QuoteField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

DiaryRows ParseDiaryRows(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  DiaryRows result;
  std::set<std::int64_t> days;
  bool first = true;
  for (const Record& record : SplitRecords(bytes)) {
    const bool header = first && record.text == kDiaryHeader;
    first = false;
    if (header) continue;
    DiaryRow row{record.terminated ? ParseEntry(record.text) : std::nullopt, std::string(record.text),
                 record.terminated};
    if (row.entry && !days.insert(DaysSinceEpoch(row.entry->date)).second) row.entry.reset();
    if (!row.entry) ++result.unreadable;
    result.rows.push_back(std::move(row));
  }
  return result;
}

std::string FormatDiaryRow(const DiaryEntry& entry) {
  const auto stored = std::find_if(std::begin(kStoredStatuses), std::end(kStoredStatuses),
                                   [&](const auto& status) { return status.first == entry.status; });
  return FormatIsoDate(entry.date) + ',' + std::string(stored->second) + ',' + QuoteField(entry.drug) + ',' +
         QuoteField(entry.dose) + ',' + QuoteField(entry.note) + ',' + FormatIsoDateTime(entry.loggedAt);
}

std::string FormatDiaryFile(const std::vector<DiaryRow>& rows) {
  std::string file = std::string(kByteOrderMark) + std::string(kDiaryHeader) + "\r\n";
  const DiaryRow* unterminated = nullptr;
  for (const DiaryRow& row : rows) {
    if (!row.terminated) {
      unterminated = &row;
      continue;
    }
    file += row.entry ? FormatDiaryRow(*row.entry) : row.text;
    file += "\r\n";
  }
  // Anything written after an unclosed quote would be read into it.
  if (unterminated) file += unterminated->text;
  return file;
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
