// The generic window machinery: groups of radio buttons, fitting a window
// into the work area, centring, the old systems' DPI scaling, and the colours
// drawn with.
#include <gtest/gtest.h>

#include <array>

#include "fakes.h"
#include "ui/dialog_placement.h"
#include "ui/dpi_scaling.h"
#include "ui/palette.h"
#include "ui/window_fit.h"

namespace quorvane {
namespace {

using enum ControlKind;

// In a picture box: two questions, each a frame of radio buttons, the
// second answered; a note; beside the box, "保存".
constexpr ControlDefinition kQuestions[] = {
    {"cmdSave", PushButton, 9, 0, "保存", 100, 3000, 900, 300, 6},
    {"fraEyes", Frame, 1, 30, "眼睑下垂", 100, 100, 3000, 900, 1},
    {"optEyes2", RadioButton, 3, 1, "加重", 120, 560, 1000, 240, 1},
    {"optEyes1", RadioButton, 2, 1, "没有", 120, 280, 1000, 240, 0},
    {"fraSpeech", Frame, 4, 30, "说话", 100, 1100, 3000, 900, 2},
    {"optSpeech1", RadioButton, 5, 4, "没有", 120, 280, 1000, 240, 0},
    {"optSpeech2", RadioButton, 6, 4, "加重", 120, 560, 1000, 240, 1, 0, 1},
    {"txtNote", TextBox, 8, 30, "", 700, 2100, 2000, 300, 3},
    {"picPage", PictureBox, 30, 0, "", 0, 0, 4000, 2800, 0},
};

TEST(WindowDefinition, RadioButtonsInAFrameAreOneGroupWithOneTabStopOnTheChosenOne) {
  // "|" starts a group, "*" marks a tab stop; a frame's buttons lie beside
  // it in the picture box (@30), placed relative to the frame.
  constexpr WindowDefinition kWindow{"Q", "自我检查", 4000, 3600, kQuestions};
  std::string order;
  for (const PlacedControl& placed : CreationOrder(kWindow))
    testing::Note(&order, std::string(placed.startsGroup ? "|" : "") + (placed.tabStop ? "*" : "") +
                              std::string(placed.definition->name) + "@" + std::to_string(placed.hostId) +
                              ":" + std::to_string(placed.left) + "," + std::to_string(placed.top));
  EXPECT_EQ(
      order,
      "|*picPage@0:0,0 |*cmdSave@0:100,3000 |fraEyes@30:100,100 |*optEyes1@30:220,380 optEyes2@30:220,660 "
      "|fraSpeech@30:100,1100 |optSpeech1@30:220,1380 *optSpeech2@30:220,1660 |*txtNote@30:700,2100");
  EXPECT_EQ(RadioGroup(kWindow, 6), (std::vector<int>{5, 6}));
  EXPECT_EQ(RadioGroup(kWindow, 1), std::vector<int>{});
  EXPECT_EQ(HostOf(kWindow, kQuestions[2]), 30);
}

TEST(WindowFit, AWindowTooLargeForTheWorkAreaIsLaidOutAtALowerDpi) {
  // 用药记录, 6600 by 7200 twips: 880 by 960 pixels at 192 DPI.
  // {DPI, space for the client area, DPI to lay out at}
  constexpr WindowDefinition kDiarySized{"D", "用药记录", 6600, 7200, {}};
  const std::tuple<int, PixelSize, int> cases[] = {
      {192, {1266, 753}, 150},  // 1280 by 800 less the title bar: 688 by 750 pixels
      {192, {880, 960}, 192},   // fits exactly
      {192, {600, 2000}, 131},  // too wide: 600 by 655
      {192, {100, 100}, 96},    // never under half
  };
  for (const auto& [dpi, available, expected] : cases)
    EXPECT_EQ(LayoutDpi(kDiarySized, dpi, available), expected) << available.width << "x" << available.height;
}

TEST(WindowFit, AWindowMovesOnlyAsFarAsItMustToLieInTheWorkArea) {
  // {wanted, size, placed} in the work area above a taskbar of 40 pixels
  const std::tuple<PixelPoint, PixelSize, PixelPoint> cases[] = {
      {{200, 100}, {400, 300}, {200, 100}},
      {{316, 520}, {776, 496}, {316, 264}},  // off the bottom: up
      {{1100, -20}, {400, 300}, {880, 0}},   // off the right and the top
      {{-80, -80}, {1400, 900}, {0, 0}},     // larger: the title bar stays on screen
  };
  for (const auto& [wanted, size, expected] : cases)
    EXPECT_EQ(ClampToWorkArea(wanted, size, {0, 0, 1280, 760}), expected) << wanted.x << "," << wanted.y;
}

TEST(Placement, CentresOnTheScreenWithHalvesAwayFromZero) {
  // {screen width, height, window width, height, left, top}
  const std::array<int, 6> cases[] = {
      {1280, 800, 400, 300, 440, 250}, {1280, 800, 401, 301, 440, 250}, {1024, 768, 1101, 801, -39, -17}};
  for (const auto& [screenWidth, screenHeight, width, height, left, top] : cases) {
    const Origin origin = CentredOrigin(screenWidth, screenHeight, width, height);
    EXPECT_EQ(std::pair(origin.left, origin.top), std::pair(left, top)) << width;
  }
}

TEST(Placement, OldWindowsScaleWhatTheSystemReportsAtItsDpi) {
  // {value at the system DPI, system DPI, DPI, value}
  const std::array<int, 4> cases[] = {
      {32, 96, 144, 48}, {-11, 96, 120, -14}, {-1, 96, 144, -2}, {48, 144, 96, 32}};
  for (const auto& [value, systemDpi, dpi, scaled] : cases)
    EXPECT_EQ(ScaleFromSystemDpi(value, systemDpi, dpi), scaled) << value << " " << dpi;
}

TEST(Palette, StatusColoursAreReadableAndHighContrastUsesOnlySystemColours) {
  constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kGreen{0, 128, 0}, kRed{192, 0, 0};
  EXPECT_NEAR(ContrastRatio(kGreen, kWhite), 5.14, 0.01);  // 已服 on white: at least 4.5
  EXPECT_NEAR(ContrastRatio(kRed, kWhite), 6.48, 0.01);    // 漏服
  EXPECT_NEAR(ContrastRatio(kBlack, kGreen), 4.09, 0.01);  // too little on black
  EXPECT_NEAR(ContrastRatio(kRed, kBlack), 3.24, 0.01);

  // Windows' standard colours, "High Contrast Black" and "High Contrast White".
  const SystemColours standard{kWhite, kBlack, {109, 109, 109}, {0, 120, 215}, kWhite, {160, 160, 160}};
  const SystemColours black{kBlack, kWhite, {63, 242, 63}, {26, 235, 255}, kBlack, {128, 128, 128}};
  const SystemColours white{kWhite, kBlack, {96, 0, 0}, {55, 0, 110}, kWhite, {128, 128, 128}};
  const Palette normal = ColoursToDrawWith(standard, false), dark = ColoursToDrawWith(black, false);
  EXPECT_EQ(std::vector<Rgb>({normal.panel, normal.panelText, normal.good, normal.bad, normal.line}),
            std::vector<Rgb>({kWhite, kBlack, kGreen, kRed, {160, 160, 160}}));
  EXPECT_EQ(std::vector<Rgb>({dark.good, dark.bad}), std::vector<Rgb>({kWhite, kWhite}));  // unreadable: text
  for (const SystemColours& scheme : {black, white}) {
    const Palette high = ColoursToDrawWith(scheme, true);
    const Rgb system[] = {scheme.window, scheme.windowText, scheme.grayText, scheme.highlight,
                          scheme.highlightText};
    for (const Rgb drawn : {high.background, high.text, high.dimText, high.line, high.selection,
                            high.selectionText, high.panel, high.panelText, high.good, high.bad})
      EXPECT_NE(std::find(std::begin(system), std::end(system), drawn), std::end(system));
  }
  EXPECT_EQ(ColoursToDrawWith(black, true).panel, kBlack);
}

}  // namespace
}  // namespace quorvane
