#pragma once
// The regimen as the main window's controls hold it when the window is made:
// the captions of its text boxes and the initial values of its check boxes.
// Start-up works on these until the window exists.
#include "regimen/regimen_values.h"

namespace quorvane {

RegimenValues MainWindowDesignValues();

}  // namespace quorvane
