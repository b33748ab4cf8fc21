#include "tips/tip_window_definition.h"

namespace quorvane {
namespace {

using enum ControlKind;
using namespace tip_window;

// A white panel with the light bulb and the tip on the left, a column of
// buttons on the right: "更新知识库", "确定", "下一条提示(&N)". The tip
// comes after its heading, as it is read.
constexpr ControlDefinition kControls[] = {
    // name, kind, id, container (0: the window), caption, left, top, width, height, tab index, flags, value
    {"updateTipsButton", PushButton, kUpdateTipsButton, 0, "更新知识库", 4080, 120, 1455, 495, 5},
    {"nextTipButton", PushButton, kNextTipButton, 0, "下一条提示(&N)", 4080, 2280, 1455, 495, 2},
    {"panel", PictureBox, kPanel, 0, "", 120, 120, 3735, 2715, 1, kWhite | kSunken},
    {"heading", Label, kHeading, kPanel, "您知道吗...", 540, 180, 2655, 255, 3},
    {"tipText", Label, kTipText, kPanel, "", 180, 840, 3255, 1635, 4},
    {"okButton", PushButton, kOkButton, 0, "确定", 4080, 1560, 1455, 495, 0, kDefaultButton},
};

}  // namespace

const WindowDefinition kTipWindow{"QuorvaneTipWindow", "日积月累", 5685, 3105, kControls};

}  // namespace quorvane
