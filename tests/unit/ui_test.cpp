// The generic window machinery: groups of radio buttons, fitting a window
// into the work area, and the colours drawn with.
#include <gtest/gtest.h>

#include "fakes.h"
#include "ui/palette.h"
#include "ui/window_fit.h"

namespace quorvane {
namespace {

using enum ControlKind;

// Two questions, each a frame of radio buttons; the second one answered.
constexpr ControlDefinition kQuestions[] = {
    {"cmdSave", PushButton, 9, 0, "保存", 100, 3000, 900, 300, 6},
    {"fraEyes", Frame, 1, 30, "眼睑下垂", 100, 100, 3000, 900, 1},
    {"optEyes2", RadioButton, 3, 1, "加重", 120, 560, 1000, 240, 1},
    {"optEyes1", RadioButton, 2, 1, "没有", 120, 280, 1000, 240, 0},
    {"fraSpeech", Frame, 4, 30, "说话", 100, 1100, 3000, 900, 2},
    {"optSpeech1", RadioButton, 5, 4, "没有", 120, 280, 1000, 240, 0},
    {"optSpeech2", RadioButton, 6, 4, "加重", 120, 560, 1000, 240, 1, 0, 1},
    {"lblNote", Label, 7, 30, "备注", 100, 2100, 500, 240, 3},
    {"txtNote", TextBox, 8, 30, "", 700, 2100, 2000, 300, 3},
    {"picPage", PictureBox, 30, 0, "", 0, 0, 4000, 2800, 0},
};
constexpr WindowDefinition kQuestionWindow{"Q", "自我检查", 4000, 3600, kQuestions};

TEST(WindowDefinition, RadioButtonsInAFrameAreOneGroupWithOneTabStopOnTheChosenOne) {
  // "|" starts a group, "*" marks a tab stop; a frame's buttons lie beside
  // it in the picture box, placed relative to the frame.
  std::string order;
  for (const PlacedControl& placed : CreationOrder(kQuestionWindow))
    testing::Note(&order, std::string(placed.startsGroup ? "|" : "") + (placed.tabStop ? "*" : "") +
                              std::string(placed.definition->name) + "@" + std::to_string(placed.hostId) +
                              ":" + std::to_string(placed.left) + "," + std::to_string(placed.top));
  EXPECT_EQ(
      order,
      "|*picPage@0:0,0 |*cmdSave@0:100,3000 |fraEyes@30:100,100 |*optEyes1@30:220,380 optEyes2@30:220,660 "
      "|fraSpeech@30:100,1100 |optSpeech1@30:220,1380 *optSpeech2@30:220,1660 |lblNote@30:100,2100 "
      "|*txtNote@30:700,2100");
  EXPECT_EQ(RadioGroup(kQuestionWindow, 6), (std::vector<int>{5, 6}));
  EXPECT_EQ(RadioGroup(kQuestionWindow, 2), (std::vector<int>{2, 3}));
  EXPECT_EQ(RadioGroup(kQuestionWindow, 1), std::vector<int>{});
  EXPECT_EQ(HostOf(kQuestionWindow, kQuestions[2]), 30);
}

TEST(WindowFit, AWindowTooLargeForTheWorkAreaIsLaidOutAtALowerDpi) {
  // 用药记录 is 6600 by 7200 twips: 880 by 960 pixels at 192 DPI. {DPI,
  // space for the client area, DPI to lay out at}
  constexpr WindowDefinition kDiarySized{"D", "用药记录", 6600, 7200, {}};
  const std::tuple<int, PixelSize, int> cases[] = {
      {192, {1266, 753}, 150},  // 1280 by 800 less the title bar: 688 by 750 pixels
      {192, {880, 960}, 192},   // fits exactly
      {144, {1270, 765}, 144},  // 660 by 720 fits
      {192, {600, 2000}, 131},  // too wide: 600 by 655
      {192, {100, 100}, 96},    // never under half
  };
  for (const auto& [dpi, available, expected] : cases)
    EXPECT_EQ(LayoutDpi(kDiarySized, dpi, available), expected) << available.width << "x" << available.height;
}

TEST(WindowFit, AWindowMovesOnlyAsFarAsItMustToLieInTheWorkArea) {
  // {wanted, size, expected}, in a work area of 1280 by 760 below a taskbar of 40.
  const PixelRect work{0, 40, 1280, 800};
  const std::tuple<PixelPoint, PixelSize, PixelPoint> cases[] = {
      {{200, 100}, {400, 300}, {200, 100}},
      {{316, 320}, {776, 496}, {316, 304}},  // off the bottom: up
      {{1100, 20}, {400, 300}, {880, 40}},   // off the right and under the taskbar
      {{-80, -80}, {1400, 900}, {0, 40}},    // larger: the title bar stays on screen
  };
  for (const auto& [wanted, size, expected] : cases)
    EXPECT_EQ(ClampToWorkArea(wanted, size, work), expected) << wanted.x << "," << wanted.y;
}

TEST(Palette, StatusColoursAreReadableAndHighContrastUsesOnlySystemColours) {
  constexpr Rgb kWhite{255, 255, 255}, kBlack{0, 0, 0}, kGreen{0, 128, 0}, kRed{192, 0, 0};
  EXPECT_NEAR(ContrastRatio(kBlack, kWhite), 21.0, 0.01);
  EXPECT_NEAR(ContrastRatio(kGreen, kWhite), 5.14, 0.01);  // 已服 on the calendar, at least 4.5
  EXPECT_NEAR(ContrastRatio(kRed, kWhite), 6.48, 0.01);    // 漏服
  EXPECT_NEAR(ContrastRatio(kBlack, kGreen), 4.09, 0.01);  // too little on black
  EXPECT_NEAR(ContrastRatio(kRed, kBlack), 3.24, 0.01);

  // Windows' standard colours, and its "High Contrast Black".
  const SystemColours standard{kWhite, kBlack, {109, 109, 109}, {0, 120, 215}, kWhite, {160, 160, 160}};
  const SystemColours black{kBlack, kWhite, {63, 242, 63}, {26, 235, 255}, kBlack, {128, 128, 128}};
  const Palette normal = ColoursToDrawWith(standard, false);
  EXPECT_EQ(normal.panel, kWhite);
  EXPECT_EQ(normal.panelText, kBlack);
  EXPECT_EQ(normal.good, kGreen);
  EXPECT_EQ(normal.bad, kRed);
  EXPECT_EQ(normal.line, (Rgb{160, 160, 160}));

  const Palette dark = ColoursToDrawWith(black, false);  // a dark scheme without high contrast
  EXPECT_EQ(dark.good, kWhite);
  EXPECT_EQ(dark.bad, kWhite);

  // In high contrast, only the scheme's colours; on white too, where green
  // would be readable.
  const SystemColours white{kWhite, kBlack, {96, 0, 0}, {55, 0, 110}, kWhite, {128, 128, 128}};
  for (const SystemColours& scheme : {black, white}) {
    const Palette high = ColoursToDrawWith(scheme, true);
    const Rgb drawn[] = {high.background,    high.text,  high.dimText,   high.line, high.selection,
                         high.selectionText, high.panel, high.panelText, high.good, high.bad};
    const Rgb system[] = {scheme.window, scheme.windowText, scheme.grayText, scheme.highlight,
                          scheme.highlightText};
    for (size_t i = 0; i < std::size(drawn); ++i)
      EXPECT_NE(std::find(std::begin(system), std::end(system), drawn[i]), std::end(system)) << i;
  }
  const Palette high = ColoursToDrawWith(black, true);
  EXPECT_EQ(high.panel, kBlack);
  EXPECT_EQ(high.line, kWhite);
}

}  // namespace
}  // namespace quorvane
