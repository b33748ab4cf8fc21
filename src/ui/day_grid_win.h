#pragma once
// A month calendar that draws what the program gives it in each day: the
// common month calendar control can mark a day only in bold. A row of
// weekday names from Monday, then 6 weeks of 7 cells. Its window text is its
// name for screen readers: the program sets it to the selected day in words,
// and the grid tells them when it changes.
#include <windows.h>

#include <string>
#include <vector>

namespace quorvane {

inline constexpr wchar_t kDayGridClass[] = L"QuorvaneDayGrid";
void RegisterDayGridClass();

inline constexpr int kDayGridCells = 42;

// The colour of a status, besides its words, never instead of them.
enum class DayTone { Plain, Good, Bad };

struct DayGridCell {
  std::wstring number;  // empty for a cell outside the month
  std::wstring mark;    // after the number, e.g. the dose-day mark
  std::wstring status;  // second line, e.g. "√已服"
  DayTone tone = DayTone::Plain;
  bool today = false;
  bool selected = false;
  bool dim = false;
};

// Sent to the grid: lParam points to kDayGridCells cells, which it copies.
inline constexpr UINT kDayGridSetCells = WM_APP + 40;
// Sent to the parent: wParam says what the user asked for, lParam by how much
// (days, months, or the cell index that was clicked). Home and End ask for
// the days to the first and the last day of the month.
inline constexpr UINT kDayGridRequest = WM_APP + 41;
enum DayGridRequest : WPARAM { kMoveDays, kMoveMonths, kPickCell };

}  // namespace quorvane
