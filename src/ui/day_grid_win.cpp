#include "ui/day_grid_win.h"

#include <windowsx.h>

#include "ui/drawn_control_win.h"
#include "ui/palette_win.h"

namespace quorvane {
namespace {

struct GridState {
  std::vector<DayGridCell> cells = std::vector<DayGridCell>(kDayGridCells);
  DrawnControlText text;
};

constexpr const wchar_t* kWeekdays[] = {L"一", L"二", L"三", L"四", L"五", L"六", L"日"};

GridState* StateOf(HWND window) { return reinterpret_cast<GridState*>(GetWindowLongPtrW(window, 0)); }

// Row 0 holds the weekday names, rows 1 to 6 the weeks.
RECT CellRect(const RECT& client, int column, int row) {
  const int width = client.right / 7, height = client.bottom / 7;
  return {column * width, row * height, (column + 1) * width, (row + 1) * height};
}

void Ask(HWND window, DayGridRequest request, int value) {
  SendMessageW(GetParent(window), kDayGridRequest, request, value);
}

void DrawCell(HDC dc, const DayGridCell& cell, RECT rect, bool focused, const Palette& palette) {
  const bool highlighted = cell.selected && !cell.number.empty();
  FillSolid(dc, rect, highlighted ? palette.selection : palette.background);
  FrameSolid(dc, rect, palette.line);
  if (cell.number.empty()) return;
  const Rgb text = highlighted ? palette.selectionText : cell.dim ? palette.dimText : palette.text;
  SetTextColor(dc, ToColorRef(text));
  RECT inner = rect;
  InflateRect(&inner, -3, -2);
  // The mark follows the number inside the cell, where no one takes it for
  // the next day's.
  std::wstring top = cell.number;
  if (!cell.mark.empty()) top += L" " + cell.mark;
  if (cell.today) top += L" 今天";
  DrawTextW(dc, top.c_str(), -1, &inner, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  if (!highlighted && cell.tone != DayTone::Plain)
    SetTextColor(dc, ToColorRef(cell.tone == DayTone::Good ? palette.good : palette.bad));
  DrawTextW(dc, cell.status.c_str(), -1, &inner, DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
  if (cell.today) {
    // Today is framed as well as named.
    RECT frame = rect;
    InflateRect(&frame, -1, -1);
    FrameSolid(dc, frame, text);
    InflateRect(&frame, -1, -1);
    FrameSolid(dc, frame, text);
  }
  if (highlighted && focused) {
    InflateRect(&rect, -3, -3);
    SetTextColor(dc, ToColorRef(palette.selectionText));
    SetBkColor(dc, ToColorRef(palette.selection));
    DrawFocusRect(dc, &rect);
  }
}

void Paint(HWND window, const GridState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const Palette palette = CurrentPalette();
  FillSolid(dc, client, palette.background);
  const HGDIOBJ oldFont = SelectObject(dc, FontToDrawWith(state.text));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(palette.dimText));
  for (int column = 0; column < 7; ++column) {
    RECT rect = CellRect(client, column, 0);
    DrawTextW(dc, kWeekdays[column], -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  const bool focused = GetFocus() == window;
  for (int i = 0; i < kDayGridCells; ++i)
    DrawCell(dc, state.cells[i], CellRect(client, i % 7, 1 + i / 7), focused, palette);
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

// Days from the selected cell to the month's first (or last) day.
int DaysToMonthEdge(const GridState& state, bool last) {
  int selected = -1, first = -1, end = -1;
  for (int i = 0; i < kDayGridCells; ++i) {
    if (state.cells[i].number.empty()) continue;
    if (first < 0) first = i;
    end = i;
    if (state.cells[i].selected) selected = i;
  }
  return selected < 0 ? 0 : (last ? end : first) - selected;
}

void OnKey(HWND window, const GridState& state, WPARAM key) {
  switch (key) {
    case VK_HOME:
      return Ask(window, kMoveDays, DaysToMonthEdge(state, false));
    case VK_END:
      return Ask(window, kMoveDays, DaysToMonthEdge(state, true));
    case VK_LEFT:
      return Ask(window, kMoveDays, -1);
    case VK_RIGHT:
      return Ask(window, kMoveDays, 1);
    case VK_UP:
      return Ask(window, kMoveDays, -7);
    case VK_DOWN:
      return Ask(window, kMoveDays, 7);
    case VK_PRIOR:
      return Ask(window, kMoveMonths, -1);
    case VK_NEXT:
      return Ask(window, kMoveMonths, 1);
  }
}

void OnClick(HWND window, const GridState& state, int x, int y) {
  SetFocus(window);
  RECT client;
  GetClientRect(window, &client);
  const int width = client.right / 7, height = client.bottom / 7;
  if (width <= 0 || height <= 0) return;
  const int column = x / width, row = y / height - 1;
  if (column < 0 || column > 6 || row < 0 || row > 5) return;
  const int index = row * 7 + column;
  if (!state.cells[index].number.empty()) Ask(window, kPickCell, index);
}

LRESULT CALLBACK DayGridProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  GridState* state = StateOf(window);
  if (const auto answer = HandleFontAndName(window, message, wParam, lParam, state ? &state->text : nullptr))
    return *answer;
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(new GridState));
      break;
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrW(window, 0, 0);
      break;
    case kDayGridSetCells: {
      const auto* cells = reinterpret_cast<const DayGridCell*>(lParam);
      state->cells.assign(cells, cells + kDayGridCells);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_KEYDOWN:
      OnKey(window, *state, wParam);
      return 0;
    case WM_LBUTTONDOWN:
      OnClick(window, *state, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SIZE:
      InvalidateRect(window, nullptr, TRUE);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painted whole in WM_PAINT
    case WM_PAINT:
      Paint(window, *state);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void RegisterDayGridClass() { RegisterDrawnControlClass(kDayGridClass, DayGridProc); }

}  // namespace quorvane
