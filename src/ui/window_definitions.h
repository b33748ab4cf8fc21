#pragma once
#include "ui/window_definition.h"

namespace quorvane {
extern const WindowDefinition kMainWindow;
extern const WindowDefinition kTipWindow;
extern const WindowDefinition kOptionsDialog;
extern const WindowDefinition kDiaryWindow;
}  // namespace quorvane
