#pragma once
// The start-up sequence, run while the main window is still hidden.
#include <string>
#include <string_view>

#include "base/ansi_codec.h"
#include "base/clock.h"
#include "base/message_boxes.h"
#include "regimen/key_value_store.h"
#include "regimen/regimen_values.h"

namespace quorvane {

inline constexpr std::string_view kApplicationTitle = "Quorvane";

// What start-up does to the program's windows.
class StartupHost {
 public:
  virtual ~StartupHost() = default;
  virtual void Hide() = 0;
  // The main window's fields.
  virtual RegimenValues Controls() const = 0;
  virtual void SetControls(const RegimenValues& values) = 0;
  virtual void AddTrayIcon() = 0;
  virtual void SetTrayTip(std::string_view tip) = 0;
  virtual void OpenTipWindow() = 0;
};

struct StartupContext {
  KeyValueStore& store;
  const AnsiCodec& ansi;
  MessageBoxes& boxes;
  const Clock& clock;
  std::string programPath;
};

// Registers the program to start at logon, applies the stored record, shows
// the dose-day reminder (modal: the tray icon comes only after it is closed),
// adds the tray icon with its tip and opens the tip window when asked to.
// A step that fails is skipped without a word and the next one runs.
void RunStartup(StartupHost& window, const StartupContext& context);

}  // namespace quorvane
