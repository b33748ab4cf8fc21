#pragma once
// What the start-up sequence needs from the main window.
#include <string_view>

#include "regimen/regimen_values.h"

namespace quorvane {

class MainWindowHost {
 public:
  virtual ~MainWindowHost() = default;
  virtual void Hide() = 0;
  virtual RegimenValues Controls() const = 0;
  virtual void SetControls(const RegimenValues& values) = 0;
  virtual void AddTrayIcon() = 0;
  virtual void SetTrayTip(std::string_view tip) = 0;
  virtual void OpenTipWindow() = 0;
};

}  // namespace quorvane
