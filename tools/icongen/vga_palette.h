#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace icongen {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

// The standard Windows 16-colour (VGA) palette, in palette-index order.
extern const std::array<Rgb, 16> kVgaPalette;

// Palette index stored for a pixel that the AND mask makes transparent.
inline constexpr std::uint8_t kTransparent = 0xFF;

// The letter a pixel-art source uses for a palette index, or '.' for
// transparent. Lower case is the dark half of the palette, upper case the
// bright half, so "r" is dark red and "R" red.
std::optional<std::uint8_t> pixelOfLetter(char letter);

}  // namespace icongen
