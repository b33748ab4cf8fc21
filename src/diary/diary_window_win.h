#pragma once
// "用药记录": a month calendar of the dose diary, logging the selected day
// as taken or missed, and exporting the diary as CSV; from it the weekly
// self-check and "就诊摘要" open.
#include <optional>

#include "base/file_system_win.h"
#include "base/local_clock_win.h"
#include "diary/diary.h"
#include "regimen/regimen_source.h"
#include "ui/application_icon_win.h"
#include "ui/form_win.h"
#include "ui/line_chart_win.h"

namespace quorvane {

// The weekly self-check as 用药记录 shows it: a button that opens it, and
// the trend of its totals.
class SelfCheckPanel {
 public:
  struct Trend {
    LineChart chart;
    std::string words;  // the latest check, for the label beside the chart and screen readers
  };
  virtual ~SelfCheckPanel() = default;
  // Opens "每周自评", or brings the open one to the front.
  virtual void OpenSelfCheck() = 0;
  virtual Trend TrendUpTo(const CivilDate& today) = 0;
};

// "就诊摘要", a window that 用药记录 owns while it is open.
class VisitSummaryOpener {
 public:
  virtual ~VisitSummaryOpener() = default;
  virtual void OpenVisitSummary(HWND owner) = 0;
};

class DiaryWindow : public Form {
 public:
  // The drug, dose and dose-day rule come from the same source as the
  // reminder's.
  DiaryWindow(const RegimenSource& regimen, SelfCheckPanel& selfCheck, VisitSummaryOpener& summary);
  // Loads and shows the window on today, or brings the open one to the front.
  void Open();
  // Draws the self-check's trend again from its file, when the window is open.
  void RefreshTrend();

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }
  HICON Icon() const override { return icons_.forAltTab.Get(); }
  HICON SmallIcon() const override { return icons_.forTitleBar.Get(); }
  void OnLoad() override;
  void OnCommand(int id, int notification, HWND control) override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ReportLoadProblems();
  void Select(const CivilDate& day);
  void MoveMonths(int months);
  void Refresh();
  void Log(DoseStatus status);
  void ClearDay();
  void Export();
  void Report(std::string_view text);
  void ReportWriteFailure(const FileError& error);

  const RegimenSource& regimen_;
  SelfCheckPanel& selfCheck_;
  VisitSummaryOpener& summary_;
  ApplicationIcons icons_;
  LocalClock clock_;
  WindowsFileSystem files_;
  std::optional<Diary> diary_;  // from the first opening
  bool loaded_ = false;
  FileError loadError_;
  CivilDate selected_;
  int shownYear_ = 1970, shownMonth_ = 1;
};

}  // namespace quorvane
