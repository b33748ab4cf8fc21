#include "options/options_dialog_definition.h"

namespace quorvane {
namespace {

using enum ControlKind;
using namespace options_dialog;

// The three option pages lie far left of the client area and are never
// moved in, so the dialog shows its three buttons and nothing else.
constexpr ControlDefinition kControls[] = {
    // name, kind, id, container (0: the window), caption, left, top, width, height, tab index, flags, value
    {"page3", PictureBox, kPage3, 0, "", -20000, 480, 5685, 3780, 5, kNotTabStop},
    {"sample4Frame", Frame, kSample4Frame, kPage3, "示例 4", 2100, 840, 2055, 1785, 8},
    {"page2", PictureBox, kPage2, 0, "", -20000, 480, 5685, 3780, 4, kNotTabStop},
    {"sample3Frame", Frame, kSample3Frame, kPage2, "示例 3", 1545, 675, 2055, 1785, 7},
    {"page1", PictureBox, kPage1, 0, "", -20000, 480, 5685, 3780, 3, kNotTabStop},
    {"sample2Frame", Frame, kSample2Frame, kPage1, "示例 2", 645, 300, 2055, 1785, 6},
    {"applyButton", PushButton, kApplyButton, 0, "应用", 4920, 4455, 1095, 375, 2},
    {"cancelButton", PushButton, kCancelButton, 0, "取消", 3720, 4455, 1095, 375, 1},
    {"okButton", PushButton, kOkButton, 0, "确定", 2490, 4455, 1095, 375, 0},
};

}  // namespace

const WindowDefinition kOptionsDialog{"QuorvaneOptionsWindow", "找病友", 6150, 4920, kControls};

}  // namespace quorvane
