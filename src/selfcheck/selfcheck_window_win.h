#pragma once
// "每周自评": today's MG-ADL self-check, written to selfcheck.csv, with at
// most one box of advice after it is saved; and the trend that 用药记录
// shows of it.
#include <array>
#include <optional>

#include "base/file_system_win.h"
#include "base/local_clock_win.h"
#include "diary/diary_window_win.h"
#include "selfcheck/self_check.h"
#include "ui/application_icon_win.h"
#include "ui/form_win.h"

namespace quorvane {

class SelfCheckWindow : public Form, public SelfCheckPanel {
 public:
  // 用药记录 shows the trend again after each save.
  explicit SelfCheckWindow(DiaryWindow& diary);
  // Loads and shows the window for today, or brings the open one to the front.
  void Open();

  // SelfCheckPanel
  void OpenSelfCheck() override { Open(); }
  Trend TrendUpTo(const CivilDate& today) override;

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX; }
  HICON Icon() const override { return icons_.forAltTab.Get(); }
  HICON SmallIcon() const override { return icons_.forTitleBar.Get(); }
  void OnLoad() override;
  void OnCommand(int id, int notification, HWND control) override;

 private:
  // The chosen answer of each item, or nothing while one is unanswered.
  std::optional<std::array<int, kMgAdlItemCount>> Answers() const;
  void ReportLoadProblems();
  void Save();
  void SaveReminderSwitch();
  void Report(std::string_view text);

  DiaryWindow& diary_;
  ApplicationIcons icons_;
  LocalClock clock_;
  WindowsFileSystem files_;
  std::optional<SelfCheckFile> file_;  // from the first opening
  bool loaded_ = false;
  FileError loadError_;
  CivilDate day_;  // the day the window was opened for
};

}  // namespace quorvane
