#pragma once
// The medication diary: what was logged for each day, kept in one CSV file
// (doselog.csv) that every change rewrites whole through a temporary file
// and a rename.
#include "diary/diary_rows.h"

namespace quorvane {

inline constexpr std::string_view kDiaryFileName = "doselog.csv";

using Diary = DatedFile<DiaryFormat>;

}  // namespace quorvane
