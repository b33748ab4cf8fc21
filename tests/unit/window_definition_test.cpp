#include "ui/window_definition.h"

#include <gtest/gtest.h>

#include "options/dialog_placement.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

using Names = std::vector<std::string_view>;

// Windows moves the focus through a window's controls in creation order.
Names TabOrder(const WindowDefinition& window) {
  Names names;
  for (const ControlDefinition* control : CreationOrder(window))
    if (TakesFocus(*control)) names.push_back(control->name);
  return names;
}

TEST(WindowDefinition, TabOrderFollowsTheTabIndexes) {
  EXPECT_EQ(TabOrder(kMainWindow), (Names{"Text1(0)", "Text1(1)", "Text1(2)", "chkGrdf", "chkKjtx",
                                          "Command1", "Command2", "chkLoadTipsAtStartup"}));
  EXPECT_EQ(TabOrder(kTipWindow), (Names{"cmdOK", "cmdNextTip", "Command1"}));
  EXPECT_EQ(TabOrder(kOptionsDialog), (Names{"cmdOK", "cmdCancel", "cmdApply"}));
}

TEST(WindowDefinition, CreatesContainersBeforeTheirChildren) {
  for (const WindowDefinition* window : {&kMainWindow, &kTipWindow, &kOptionsDialog}) {
    const auto order = CreationOrder(*window);
    ASSERT_EQ(order.size(), window->controls.size()) << window->caption;
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (order[i]->containerId == 0) continue;
      const auto container = std::find_if(order.begin(), order.begin() + i, [&](auto* c) {
        return c->id == order[i]->containerId;
      });
      EXPECT_NE(container, order.begin() + i) << order[i]->name;
    }
  }
}

TEST(WindowDefinition, TwipsBecomePixelsAtTheWindowsDpi) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {{2985, 96, 199}, {4695, 96, 313}, {5685, 96, 379}, {3105, 96, 207},
               {6150, 96, 410}, {4920, 96, 328}, {2985, 144, 299}, {15, 96, 1},
               {7, 96, 0},      {8, 96, 1},      {-20000, 96, -1333}, {2985, 192, 398}};
  for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << "@" << c.dpi;
}

TEST(DialogPlacement, CentresOnTheScreen) {
  const struct {
    int screenW, screenH, windowW, windowH, left, top;
  } cases[] = {{1280, 800, 416, 357, 432, 222}, {1920, 1080, 410, 328, 755, 376},
               {300, 200, 410, 328, -55, -64}};
  for (const auto& c : cases) {
    const Origin origin = CentredOrigin(c.screenW, c.screenH, c.windowW, c.windowH);
    EXPECT_EQ(origin.left, c.left);
    EXPECT_EQ(origin.top, c.top);
  }
}

}  // namespace
}  // namespace quorvane
