#include "app/startup.h"

#include <exception>

#include "regimen/dose_reminder.h"
#include "regimen/record.h"
#include "regimen/regimen_store.h"

namespace quorvane {
namespace {

// Start-up must reach the tray whatever goes wrong on the way.
template <typename Step>
void SkipOnFailure(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

}  // namespace

void RunStartup(StartupHost& window, const StartupContext& context) {
  SkipOnFailure([&] { window.Hide(); });
  SkipOnFailure([&] { WriteStartupEntry(context.store, context.programPath); });
  SkipOnFailure([&] {
    const std::string record = ReadRegimen(context.store, context.ansi);
    RegimenValues controls = window.Controls();
    ApplyRegimen(record, controls);
    window.SetControls(controls);
  });
  SkipOnFailure([&] {
    if (const auto text = DoseReminderText(window.Controls(), context.clock.Today()))
      context.boxes.Show(*text);
  });
  SkipOnFailure([&] { window.AddTrayIcon(); });
  SkipOnFailure([&] { window.SetTrayTip(kApplicationTitle); });
  SkipOnFailure([&] {
    // A grey box (2) does not count.
    if (window.Controls().tipsAtStartup == 1) window.OpenTipWindow();
  });
}

}  // namespace quorvane
