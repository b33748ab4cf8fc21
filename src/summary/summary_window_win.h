#pragma once
// "就诊摘要": asks for the period, writes the summary page into Documents
// and hands it to the browser.
#include "base/file_system_win.h"
#include "base/local_clock_win.h"
#include "diary/diary_window_win.h"
#include "regimen/regimen_source.h"
#include "ui/form_win.h"

namespace quorvane {

class SummaryWindow : public Form, public VisitSummaryOpener {
 public:
  // The regimen comes from the same source as 用药记录's dose days.
  explicit SummaryWindow(const RegimenSource& regimen);
  // Loads the window over its owner with the last 90 days chosen, or brings
  // the open one to the front.
  void Open(HWND owner);

  // VisitSummaryOpener
  void OpenVisitSummary(HWND owner) override { Open(owner); }

 protected:
  DWORD Style() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU; }
  DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME; }
  HWND Owner() const override { return owner_; }
  void PlaceOnScreen() override;
  void OnCommand(int id, int notification, HWND control) override;

 private:
  void Make();
  void Report(std::string_view text);

  const RegimenSource& regimen_;
  HWND owner_ = nullptr;
  LocalClock clock_;
  WindowsFileSystem files_;
};

}  // namespace quorvane
