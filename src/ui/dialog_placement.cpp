#include "ui/dialog_placement.h"

#include <cmath>

namespace quorvane {

Origin CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  // Halves round to the nearest pixel; a window larger than the screen gets
  // a negative origin and is cut evenly on both sides.
  const auto centre = [](int screen, int window) {
    return static_cast<int>(std::lround((static_cast<float>(screen) - static_cast<float>(window)) / 2.0f));
  };
  return {centre(screenWidth, windowWidth), centre(screenHeight, windowHeight)};
}

}  // namespace quorvane
