#pragma once
// The start-up sequence of the main window, run while it is still hidden.
#include <string>

#include "app/main_window_host.h"
#include "base/ansi_codec.h"
#include "base/clock.h"
#include "base/message_boxes.h"
#include "regimen/key_value_store.h"

namespace quorvane {

inline constexpr std::string_view kApplicationTitle = "Quorvane";

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
void RunStartup(MainWindowHost& window, const StartupContext& context);

}  // namespace quorvane
