#pragma once
// A small line chart of values over days, with a band of good values marked,
// drawn in the palette's colours. It takes no focus: its window text is its
// name for screen readers, and the window sets it to the chart in words.
#include <windows.h>

#include <vector>

namespace quorvane {

inline constexpr wchar_t kLineChartClass[] = L"QuorvaneLineChart";
void RegisterLineChartClass();

struct LineChartPoint {
  int day;  // 0 to LineChart::days
  int value;
};

struct LineChart {
  int days = 1;                        // the width of the chart, in days
  int maxValue = 1;                    // the value axis runs from 0 up to this
  int bandTop = 0;                     // values from 0 to this are marked as the good band
  std::vector<LineChartPoint> points;  // in day order
};

// Sent to the chart: lParam points to a LineChart, which it copies.
inline constexpr UINT kLineChartSet = WM_APP + 42;

}  // namespace quorvane
