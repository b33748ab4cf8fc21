#pragma once
// The medication diary: what was logged for each day, kept in one CSV file
// that every change rewrites whole through a temporary file and a rename.
#include <string>
#include <vector>

#include "base/file_system.h"
#include "diary/diary_rows.h"

namespace quorvane {

class Diary {
 public:
  Diary(FileSystem& files, std::string path);

  // Reads the file. A missing file is an empty diary. A file that exists but
  // cannot be read gives false with the reason; until it reads again the
  // diary takes no change, so it never writes over what it could not read.
  bool Load(FileError* error);

  const std::string& Path() const { return path_; }
  int UnreadableRows() const { return unreadable_; }
  const DiaryEntry* Find(const CivilDate& day) const;

  // Logs a day, replacing what was logged for it, or removes the day. Each
  // reads the file again first, so rows written meanwhile are kept. On
  // failure the diary stays as the file holds it.
  bool Put(const DiaryEntry& entry, FileError* error);
  bool Clear(const CivilDate& day, FileError* error);

  // The whole diary as the file holds it.
  std::string FileBytes() const { return FormatDiaryFile(rows_); }

 private:
  bool Rewrite(std::vector<DiaryRow> rows, FileError* error);

  FileSystem& files_;
  std::string path_;
  std::vector<DiaryRow> rows_;
  int unreadable_ = 0;
  bool readable_ = true;
};

}  // namespace quorvane
