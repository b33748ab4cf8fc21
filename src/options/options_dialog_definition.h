#pragma once
// "找病友": its control table and control ids.
#include "ui/window_definition.h"

namespace quorvane {

extern const WindowDefinition kOptionsDialog;

namespace options_dialog {

inline constexpr int kOkButton = 1201;
inline constexpr int kCancelButton = 2;  // IDCANCEL, so that Esc reaches it the standard way
inline constexpr int kApplyButton = 1203;
inline constexpr int kPage1 = 1211;
inline constexpr int kPage2 = 1212;
inline constexpr int kPage3 = 1213;
inline constexpr int kSample2Frame = 1221;
inline constexpr int kSample3Frame = 1222;
inline constexpr int kSample4Frame = 1223;

}  // namespace options_dialog
}  // namespace quorvane
