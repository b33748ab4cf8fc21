#include "diary/diary.h"

#include <algorithm>

namespace quorvane {
namespace {

bool SameDay(const DiaryRow& row, const CivilDate& day) { return row.entry && row.entry->date == day; }

bool Later(const DiaryRow& row, const CivilDate& day) {
  return row.entry && DaysSinceEpoch(row.entry->date) > DaysSinceEpoch(day);
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

Diary::Diary(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

bool Diary::Load(FileError* error) {
  rows_.clear();
  unreadable_ = 0;
  readable_ = true;
  if (!files_.Exists(path_)) return true;
  const auto bytes = files_.ReadAll(path_, error);
  if (!bytes) {
    readable_ = false;
    return false;
  }
  DiaryRows parsed = ParseDiaryRows(*bytes);
  rows_ = std::move(parsed.rows);
  unreadable_ = parsed.unreadable;
  return true;
}

const DiaryEntry* Diary::Find(const CivilDate& day) const {
  const auto row =
      std::find_if(rows_.begin(), rows_.end(), [&](const DiaryRow& r) { return SameDay(r, day); });
  return row == rows_.end() ? nullptr : &*row->entry;
}

bool Diary::Put(const DiaryEntry& entry, FileError* error) {
  if (!Load(error)) return false;
  std::vector<DiaryRow> rows = rows_;
  const auto same =
      std::find_if(rows.begin(), rows.end(), [&](const DiaryRow& r) { return SameDay(r, entry.date); });
  if (same != rows.end()) {
    same->entry = entry;
  } else {
    // Before the first later day; rows that were not understood keep their places.
    const auto later =
        std::find_if(rows.begin(), rows.end(), [&](const DiaryRow& r) { return Later(r, entry.date); });
    rows.insert(later, DiaryRow{entry, {}, true});
  }
  return Rewrite(std::move(rows), error);
}

bool Diary::Clear(const CivilDate& day, FileError* error) {
  if (!Load(error)) return false;
  std::vector<DiaryRow> rows = rows_;
  const auto removed = std::erase_if(rows, [&](const DiaryRow& r) { return SameDay(r, day); });
  if (removed == 0) return true;
  return Rewrite(std::move(rows), error);
}

bool Diary::Rewrite(std::vector<DiaryRow> rows, FileError* error) {
  const std::string folder = FolderOf(path_);
  if (!folder.empty() && !files_.CreateFolder(folder, error)) return false;
  if (!files_.ReplaceAtomically(path_, FormatDiaryFile(rows), error)) return false;
  rows_ = std::move(rows);
  return true;
}

}  // namespace quorvane
