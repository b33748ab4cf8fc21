#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace icongen {

// One square picture of an icon, as palette indexes (or kTransparent),
// row-major with the top row first.
struct IconImage {
  int size = 0;
  int resourceId = 0;
  std::vector<std::uint8_t> pixels;

  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

// One icon: the same picture drawn at several sizes.
struct IconGroup {
  std::string name;  // names the output files
  int groupId = 0;
  std::vector<IconImage> images;
};

// Reads a pixel-art source:
//
//   # comment
//   icon <name> <group id>
//   image <size> <image id>
//   <size rows of size palette letters>
//   image ...
//
// Throws std::runtime_error naming the source and line of the first fault.
IconGroup readPixelArt(std::istream& in, const std::string& sourceName);

}  // namespace icongen
