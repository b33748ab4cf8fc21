#pragma once
// "用药记录": a month calendar of the dose diary, logging the selected day
// as taken or missed, and exporting the diary as CSV.
#include <optional>

#include "base/file_system_win.h"
#include "base/local_clock_win.h"
#include "diary/diary.h"
#include "regimen/regimen_source.h"
#include "ui/form_win.h"

namespace quorvane {

class DiaryWindow : public Form {
 public:
  // The drug, dose and dose-day rule come from the same source as the
  // reminder's.
  explicit DiaryWindow(const RegimenSource& regimen);
  // Loads and shows the window on today, or brings the open one to the front.
  void Open();

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }
  HICON Icon() const override { return bigIcon_.Get(); }
  HICON SmallIcon() const override { return smallIcon_.Get(); }
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
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  LocalClock clock_;
  WindowsFileSystem files_;
  std::optional<Diary> diary_;  // from the first opening
  bool loaded_ = false;
  FileError loadError_;
  CivilDate selected_;
  int shownYear_ = 1970, shownMonth_ = 1;
};

}  // namespace quorvane
