#include "ui/dpi_scaling.h"

#include <cstdint>

namespace quorvane {

int ScaleFromSystemDpi(int value, int systemDpi, int dpi) {
  if (systemDpi <= 0) return value;
  const std::int64_t product = static_cast<std::int64_t>(value) * dpi, half = systemDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / systemDpi : -((-product + half) / systemDpi));
}

}  // namespace quorvane
