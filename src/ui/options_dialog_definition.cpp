#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

using enum ControlKind;

// The three option pages lie far left of the client area and are never
// moved in, so the dialog shows its three buttons and nothing else.
constexpr ControlDefinition kControls[] = {
    {"picOptions(3)", PictureBox, ids::kOptionsPage3, 0, "", -20000, 480, 5685, 3780, 5, kNotTabStop},
    {"fraSample4", Frame, ids::kOptionsSample4, ids::kOptionsPage3, "示例 4", 2100, 840, 2055, 1785, 8},
    {"picOptions(2)", PictureBox, ids::kOptionsPage2, 0, "", -20000, 480, 5685, 3780, 4, kNotTabStop},
    {"fraSample3", Frame, ids::kOptionsSample3, ids::kOptionsPage2, "示例 3", 1545, 675, 2055, 1785, 7},
    {"picOptions(1)", PictureBox, ids::kOptionsPage1, 0, "", -20000, 480, 5685, 3780, 3, kNotTabStop},
    {"fraSample2", Frame, ids::kOptionsSample2, ids::kOptionsPage1, "示例 2", 645, 300, 2055, 1785, 6},
    {"cmdApply", PushButton, ids::kOptionsApply, 0, "应用", 4920, 4455, 1095, 375, 2},
    {"cmdCancel", PushButton, ids::kOptionsCancel, 0, "取消", 3720, 4455, 1095, 375, 1, kCancelButton},
    {"cmdOK", PushButton, ids::kOptionsOk, 0, "确定", 2490, 4455, 1095, 375, 0},
};

}  // namespace

const WindowDefinition kOptionsDialog{"QuorvaneOptionsWindow", "找病友", 6150, 4920, kControls};

}  // namespace quorvane
