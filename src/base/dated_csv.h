#pragma once
// The program's record files (the medication diary, the weekly self-check):
// CSV as csv.h reads it, UTF-8 with a byte order mark, CR LF, a header line
// and then one row per date in date order. Every change rewrites the whole
// file through a temporary file and a rename. A row the program does not
// understand is kept as the bytes it was, so writing the file never loses it.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "base/csv.h"
#include "base/file_system.h"

namespace quorvane {

// A larger file is not read at all: junk rows by the million would make the
// window slow to open and the process large, and the program never writes
// anything near it (ten years of daily rows are about 0.2 MB).
inline constexpr std::uint64_t kMaxRecordFileBytes = 16 * 1024 * 1024;

// The file's bytes; an empty text when there is no file. Nothing, with the
// reason, when it cannot be read or is over kMaxRecordFileBytes.
std::optional<std::string> ReadRecordFile(FileSystem& files, std::string_view path, FileError* error);
// What a window tells the user about one record file, `what` naming it
// ("用药记录文件"): that it could not be read, that it could not be saved,
// and that rows it could not read are kept (nothing when there are none).
std::string CannotReadRecordText(std::string_view what, std::string_view path, const FileError& error);
std::string CannotSaveRecordText(std::string_view what, std::string_view path, const FileError& error);
std::string KeptRowsText(std::string_view what, std::string_view path, int unreadableRows);

// Creates the folder if needed and replaces the file atomically.
bool WriteRecordFile(FileSystem& files, std::string_view path, std::string_view bytes, FileError* error);

template <typename Entry>
struct DatedRow {
  std::optional<Entry> entry;  // set when the row was understood
  std::string text;            // the record as read, without its line end
  // False for a quote that opens and never closes: that record runs to the
  // end of the file and is written back last, byte for byte.
  bool terminated = true;
};

template <typename Entry>
struct DatedRows {
  std::vector<DatedRow<Entry>> rows;  // the header is not among them
  int unreadable = 0;
};

// A Format describes one kind of file:
//   using Entry = ...;                     // with a CivilDate `date`
//   static constexpr std::string_view kHeader;
//   static std::optional<Entry> ParseRow(std::string_view record);
//   static std::string FormatRow(const Entry& entry);

// Splits the file into rows. A second row for a date already read counts as
// unreadable and is kept as it is.
template <typename Format>
DatedRows<typename Format::Entry> ParseDatedRows(std::string_view bytes) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  DatedRows<typename Format::Entry> result;
  std::unordered_set<std::int64_t> days;
  bool first = true;
  for (const CsvRecord& record : SplitCsvRecords(bytes)) {
    const bool header = first && record.text == Format::kHeader;
    first = false;
    if (header) continue;
    auto& row = result.rows.emplace_back();
    if (record.terminated) row.entry = Format::ParseRow(record.text);
    row.text = record.text;
    row.terminated = record.terminated;
    if (row.entry && !days.insert(DaysSinceEpoch(row.entry->date)).second) row.entry.reset();
    if (!row.entry) ++result.unreadable;
  }
  return result;
}

// The byte order mark, the header and the rows in the order given, CR LF.
template <typename Format>
std::string FormatDatedFile(const std::vector<DatedRow<typename Format::Entry>>& rows) {
  std::string file = std::string(kUtf8ByteOrderMark) + std::string(Format::kHeader) + "\r\n";
  const DatedRow<typename Format::Entry>* unterminated = nullptr;
  for (const auto& row : rows) {
    if (!row.terminated) {
      unterminated = &row;
      continue;
    }
    file += row.entry ? Format::FormatRow(*row.entry) : row.text;
    file += "\r\n";
  }
  // Anything written after an unclosed quote would be read into it.
  if (unterminated) file += unterminated->text;
  return file;
}

// The understood rows' entries, earliest first.
template <typename Entry>
std::vector<Entry> EntriesByDate(const std::vector<DatedRow<Entry>>& rows) {
  std::vector<Entry> entries;
  for (const auto& row : rows)
    if (row.entry) entries.push_back(*row.entry);
  std::stable_sort(entries.begin(), entries.end(),
                   [](const Entry& a, const Entry& b) { return a.date < b.date; });
  return entries;
}

template <typename Format>
class DatedFile {
 public:
  using Entry = typename Format::Entry;
  using Row = DatedRow<Entry>;

  DatedFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

  // Reads the file. A missing file holds no rows. A file that exists but
  // cannot be read gives false with the reason; until it reads again the
  // file takes no change, so it never writes over what it could not read.
  bool Load(FileError* error) {
    rows_.clear();
    unreadable_ = 0;
    const auto bytes = ReadRecordFile(files_, path_, error);
    if (!bytes) return false;
    auto parsed = ParseDatedRows<Format>(*bytes);
    rows_ = std::move(parsed.rows);
    unreadable_ = parsed.unreadable;
    return true;
  }

  const std::string& Path() const { return path_; }
  int UnreadableRows() const { return unreadable_; }
  bool Empty() const { return rows_.empty(); }

  const Entry* Find(const CivilDate& day) const {
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return SameDay(r, day); });
    return row == rows_.end() ? nullptr : &*row->entry;
  }

  std::vector<Entry> Entries() const { return EntriesByDate(rows_); }

  // Puts a row for the entry's date, replacing the one there, or removes a
  // date's row. Each reads the file again first, so rows written meanwhile
  // are kept. On failure the rows stay as the file holds them.
  bool Put(const Entry& entry, FileError* error) {
    if (!Load(error)) return false;
    std::vector<Row> rows = rows_;
    const auto same =
        std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return SameDay(r, entry.date); });
    if (same != rows.end()) {
      same->entry = entry;
    } else {
      // Before the first later date; rows that were not understood keep their places.
      const auto later = std::find_if(rows.begin(), rows.end(),
                                      [&](const Row& r) { return r.entry && r.entry->date > entry.date; });
      rows.insert(later, Row{entry, {}, true});
    }
    return Rewrite(std::move(rows), error);
  }

  bool Clear(const CivilDate& day, FileError* error) {
    if (!Load(error)) return false;
    std::vector<Row> rows = rows_;
    if (std::erase_if(rows, [&](const Row& r) { return SameDay(r, day); }) == 0) return true;
    return Rewrite(std::move(rows), error);
  }

  // The whole file as it is written.
  std::string FileBytes() const { return FormatDatedFile<Format>(rows_); }

 private:
  static bool SameDay(const Row& row, const CivilDate& day) { return row.entry && row.entry->date == day; }

  bool Rewrite(std::vector<Row> rows, FileError* error) {
    if (!WriteRecordFile(files_, path_, FormatDatedFile<Format>(rows), error)) return false;
    rows_ = std::move(rows);
    return true;
  }

  FileSystem& files_;
  std::string path_;
  std::vector<Row> rows_;
  int unreadable_ = 0;
};

}  // namespace quorvane
