#include "ui/line_chart_win.h"

#include <algorithm>
#include <string>

#include "ui/dpi_win.h"
#include "ui/drawn_control_win.h"
#include "ui/palette_win.h"

namespace quorvane {
namespace {

struct ChartState {
  LineChart chart;
  DrawnControlText text;
};

ChartState* StateOf(HWND window) { return reinterpret_cast<ChartState*>(GetWindowLongPtrW(window, 0)); }

void Paint(HWND window, const ChartState& state) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  RECT client;
  GetClientRect(window, &client);
  const Palette palette = CurrentPalette();
  FillSolid(dc, client, palette.background);
  const HGDIOBJ oldFont = SelectObject(dc, FontToDrawWith(state.text));
  const LineChart& chart = state.chart;
  const int unit = std::max(1, MulDiv(1, static_cast<int>(DpiForWindow(window)), 96));

  // The value axis' numbers on the left, the plot beside them.
  const std::wstring top = std::to_wstring(chart.maxValue);
  SIZE label{};
  GetTextExtentPoint32W(dc, top.c_str(), static_cast<int>(top.size()), &label);
  const int half = label.cy / 2;
  RECT plot{client.left + label.cx + 4 * unit, client.top + half, client.right - 3 * unit,
            client.bottom - half};
  if (plot.right <= plot.left || plot.bottom <= plot.top) {
    SelectObject(dc, oldFont);
    EndPaint(window, &paint);
    return;
  }
  const auto xOf = [&](int day) {
    return plot.left +
           MulDiv(std::clamp(day, 0, chart.days), plot.right - plot.left, std::max(1, chart.days));
  };
  const auto yOf = [&](int value) {
    return plot.bottom -
           MulDiv(std::clamp(value, 0, chart.maxValue), plot.bottom - plot.top, std::max(1, chart.maxValue));
  };

  // The band hatched in the dim text colour: a colour of the user's in high contrast too.
  RECT band{plot.left, yOf(chart.bandTop), plot.right, plot.bottom};
  HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, ToColorRef(palette.dimText));
  SetBkColor(dc, ToColorRef(palette.background));
  SetBkMode(dc, OPAQUE);
  FillRect(dc, &band, hatch);
  DeleteObject(hatch);
  // A thin band still shows by its dotted top.
  HPEN dots = CreatePen(PS_DOT, 1, ToColorRef(palette.dimText));
  HGDIOBJ oldPen = SelectObject(dc, dots);
  MoveToEx(dc, plot.left, band.top, nullptr);
  LineTo(dc, plot.right, band.top);
  SelectObject(dc, oldPen);
  DeleteObject(dots);
  FrameSolid(dc, plot, palette.line);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(palette.dimText));
  RECT numbers{client.left, client.top, client.left + label.cx, client.bottom};
  DrawTextW(dc, top.c_str(), -1, &numbers, DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  DrawTextW(dc, L"0", -1, &numbers, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);

  HPEN pen = CreatePen(PS_SOLID, 2 * unit, ToColorRef(palette.text));
  oldPen = SelectObject(dc, pen);
  std::vector<POINT> line;
  for (const LineChartPoint& point : chart.points) line.push_back({xOf(point.day), yOf(point.value)});
  if (line.size() > 1) Polyline(dc, line.data(), static_cast<int>(line.size()));
  // Each check as a dot, so that a single one shows too.
  for (const POINT& at : line)
    FillSolid(dc, {at.x - 2 * unit, at.y - 2 * unit, at.x + 2 * unit + 1, at.y + 2 * unit + 1}, palette.text);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

LRESULT CALLBACK LineChartProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ChartState* state = StateOf(window);
  if (const auto answer = HandleFontAndName(window, message, wParam, lParam, state ? &state->text : nullptr))
    return *answer;
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(new ChartState));
      break;
    case WM_NCDESTROY:
      delete state;
      SetWindowLongPtrW(window, 0, 0);
      break;
    case kLineChartSet:
      state->chart = *reinterpret_cast<const LineChart*>(lParam);
      InvalidateRect(window, nullptr, TRUE);
      return 0;
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

void RegisterLineChartClass() { RegisterDrawnControlClass(kLineChartClass, LineChartProc); }

}  // namespace quorvane
