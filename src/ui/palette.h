#pragma once
// The colours the program draws with itself: the tip panel, the calendar and
// any chart. In high contrast they are all the user's system colours;
// otherwise the program's own colours, where they stand out enough.
#include <cstdint>

namespace quorvane {

struct Rgb {
  std::uint8_t red, green, blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The contrast ratio of WCAG 2, from 1 (the same) to 21 (black on white).
double ContrastRatio(Rgb a, Rgb b);

// The system colours a drawing may use (GetSysColor).
struct SystemColours {
  Rgb window, windowText, grayText, highlight, highlightText, buttonShadow;
};

struct Palette {
  Rgb background, text, dimText;  // a content area such as the calendar
  Rgb line;                       // grid lines and frames
  Rgb selection, selectionText;   // the selected item
  Rgb panel, panelText;           // the tip window's panel: white outside high contrast
  Rgb good, bad;                  // 已服 and 漏服 on the background, always with their words
};

// Text needs 4.5:1 against its background (WCAG 2, level AA).
inline constexpr double kReadableContrast = 4.5;

Palette ColoursToDrawWith(const SystemColours& system, bool highContrast);

}  // namespace quorvane
