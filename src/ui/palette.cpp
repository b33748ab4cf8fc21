#include "ui/palette.h"

#include <algorithm>
#include <cmath>

namespace quorvane {
namespace {

double RelativeLuminance(Rgb colour) {
  const auto linear = [](std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

// The program's own colour where it is readable on the background, else the text colour.
Rgb ReadableOn(Rgb wanted, Rgb background, Rgb text) {
  return ContrastRatio(wanted, background) >= kReadableContrast ? wanted : text;
}

constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0};
constexpr Rgb kTakenGreen{0, 128, 0}, kMissedRed{192, 0, 0};

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Palette ColoursToDrawWith(const SystemColours& system, bool highContrast) {
  Palette palette{system.window,
                  system.windowText,
                  system.grayText,
                  system.buttonShadow,
                  system.highlight,
                  system.highlightText,
                  kWhite,
                  kBlack,
                  ReadableOn(kTakenGreen, system.window, system.windowText),
                  ReadableOn(kMissedRed, system.window, system.windowText)};
  if (highContrast) {
    palette.line = system.windowText;
    palette.panel = system.window;
    palette.panelText = system.windowText;
    palette.good = palette.bad = system.windowText;
  }
  return palette;
}

}  // namespace quorvane
