#include "vga_palette.h"

#include <string_view>

namespace icongen {

const std::array<Rgb, 16> kVgaPalette = {{
    {0x00, 0x00, 0x00},  // k black
    {0x80, 0x00, 0x00},  // r dark red
    {0x00, 0x80, 0x00},  // g dark green
    {0x80, 0x80, 0x00},  // y dark yellow
    {0x00, 0x00, 0x80},  // b dark blue
    {0x80, 0x00, 0x80},  // m dark magenta
    {0x00, 0x80, 0x80},  // c dark cyan
    {0xC0, 0xC0, 0xC0},  // l light grey
    {0x80, 0x80, 0x80},  // d dark grey
    {0xFF, 0x00, 0x00},  // R red
    {0x00, 0xFF, 0x00},  // G green
    {0xFF, 0xFF, 0x00},  // Y yellow
    {0x00, 0x00, 0xFF},  // B blue
    {0xFF, 0x00, 0xFF},  // M magenta
    {0x00, 0xFF, 0xFF},  // C cyan
    {0xFF, 0xFF, 0xFF},  // W white
}};

std::optional<std::uint8_t> pixelOfLetter(char letter) {
  constexpr std::string_view kLetters = "krgybmcldRGYBMCW";
  if (letter == '.') {
    return kTransparent;
  }
  const auto index = kLetters.find(letter);
  if (index == std::string_view::npos) {
    return std::nullopt;
  }
  return static_cast<std::uint8_t>(index);
}

}  // namespace icongen
