#pragma once
#include <windows.h>

#include "base/clock.h"
#include "base/csv.h"

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

// The computer's local date and time, to the second.
inline LocalDateTime LocalNow() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {{now.wYear, now.wMonth, now.wDay}, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace quorvane
