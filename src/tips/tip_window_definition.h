#pragma once
// "日积月累": its control table and control ids.
#include "ui/window_definition.h"

namespace quorvane {

extern const WindowDefinition kTipWindow;

namespace tip_window {

inline constexpr int kOkButton = 1;  // IDOK, so that Enter reaches it the standard way
inline constexpr int kNextTipButton = 1101;
inline constexpr int kUpdateTipsButton = 1102;
inline constexpr int kTipText = 1103;
inline constexpr int kHeading = 1104;
inline constexpr int kPanel = 1105;  // the white panel with the light bulb

}  // namespace tip_window
}  // namespace quorvane
