#pragma once

namespace quorvane {

struct Origin {
  int left, top;
};

// The top-left corner that centres a window of the given outer size on a
// screen of the given size.
Origin CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

}  // namespace quorvane
