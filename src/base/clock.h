#pragma once
#include "base/civil_date.h"

namespace quorvane {

// "Today" comes from here, so that no rule reads the system clock itself.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual CivilDate Today() const = 0;
};

}  // namespace quorvane
