#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

using enum ControlKind;

// A white picture box with the light bulb and the tip on the left, a column
// of buttons on the right: "更新知识库", "确定", "下一条提示(&N)". The tip
// comes after its heading, as it is read.
constexpr ControlDefinition kControls[] = {
    {"Command1", PushButton, ids::kUpdateTips, 0, "更新知识库", 4080, 120, 1455, 495, 5},
    {"cmdNextTip", PushButton, ids::kNextTip, 0, "下一条提示(&N)", 4080, 2280, 1455, 495, 2},
    {"Picture1", PictureBox, ids::kTipPicture, 0, "", 120, 120, 3735, 2715, 1,
     kWhite | kSunken | kShowsTipPicture},
    {"Label1", Label, ids::kTipHeading, ids::kTipPicture, "您知道吗...", 540, 180, 2655, 255, 3, kWhite},
    {"lblTipText", Label, ids::kTipText, ids::kTipPicture, "", 180, 840, 3255, 1635, 4, kWhite},
    {"cmdOK", PushButton, ids::kTipOk, 0, "确定", 4080, 1560, 1455, 495, 0,
     kDefaultButton | kCancelButton},
};

}  // namespace

const WindowDefinition kTipWindow{"QuorvaneTipWindow", "日积月累", 5685, 3105, kControls};

}  // namespace quorvane
