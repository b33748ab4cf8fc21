#pragma once
#include "regimen/regimen_values.h"

namespace quorvane {

// Where the regimen of now comes from: the main window's fields, saved or
// not, as the reminder has always read them.
class RegimenSource {
 public:
  virtual ~RegimenSource() = default;
  virtual RegimenValues CurrentRegimen() const = 0;
};

}  // namespace quorvane
