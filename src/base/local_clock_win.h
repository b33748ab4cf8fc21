#pragma once
#include <windows.h>

#include "base/clock.h"

namespace quorvane {

// The computer's local date.
class LocalClock : public Clock {
 public:
  CivilDate Today() const override {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
  }
};

}  // namespace quorvane
