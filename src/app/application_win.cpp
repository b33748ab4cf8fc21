#include "app/application_win.h"

#include "base/local_clock_win.h"
#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "base/text_win.h"
#include "regimen/store_win.h"
#include "selfcheck/weekly_nudge.h"

namespace quorvane {
namespace {

// The program ends when none of its windows is loaded any more: after an
// exit from the tray menu, an open tip window or options dialog keeps it
// running until it is closed.
void QuitWithTheLastWindow() {
  if (!Form::AnyLoaded()) PostQuitMessage(0);
}

}  // namespace

Application::Application() : main_(*this) { Form::SetOnDestroy(&QuitWithTheLastWindow); }

void Application::OpenTipWindow(bool reportFailure) { tips_.Open(reportFailure); }

void Application::OpenOptionsDialog() { options_.Open(); }

void Application::OpenMedicationLog() { diary_.Open(); }

void Application::CloseSecondaryWindows() {
  tips_.Close();
  options_.Unload();
  selfCheck_.Unload();
  summary_.Unload();
  diary_.Unload();
}

void Application::NudgeSelfCheck() {
  WindowsFileSystem files;
  WeeklyNudge nudge(files, Narrow(RecordFolder()));
  const CivilDate today = LocalClock().Today();
  if (!nudge.Due(today)) return;
  main_.ShowTrayBalloon(kWeeklyNudgeText, [this] { selfCheck_.Open(); });
  nudge.Shown(today);
}

int Application::Run() {
  // Before the reminder only the hidden main window itself, which the
  // installer and a second start look for; its controls come after the tray
  // icon, before it shows.
  main_.LoadFrame();
  if (main_.IsLoaded()) {
    RegistryStore store;
    SystemAnsiCodec ansi;
    WindowMessageBoxes boxes;
    LocalClock clock;
    RunStartup(*this, {store, ansi, boxes, clock, Narrow(ProgramPath())});
  }
  // The installer may have ended the program while the reminder was open.
  if (!main_.IsLoaded()) return 1;
  main_.Load();
  dayWatch_.Start();
  main_.ShowAfterStartup();
  NudgeSelfCheck();

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (Form::PreTranslateForAnyForm(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace quorvane
