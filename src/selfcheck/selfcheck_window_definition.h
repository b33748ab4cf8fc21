#pragma once
// "每周自评": its control table and control ids. Esc arrives as IDCANCEL,
// which is also "取消".
#include "selfcheck/mg_adl_scale.h"
#include "ui/window_definition.h"

namespace quorvane {

extern const WindowDefinition kSelfCheckWindow;

namespace selfcheck_window {

inline constexpr int kAttribution = 1401;  // whose wording, which scale
inline constexpr int kRecall = 1402;
// Each item is a frame named by the item, holding its four answers.
inline constexpr int kFirstItemFrame = 1410;
constexpr int ItemFrame(int item) { return kFirstItemFrame + 10 * item; }
constexpr int AnswerButton(int item, int score) { return ItemFrame(item) + 1 + score; }
inline constexpr int kNoteLabel = 1491;
inline constexpr int kNoteBox = 1492;
inline constexpr int kReminderCheck = 1493;
inline constexpr int kSaveButton = 1494;
inline constexpr int kCancelButton = 2;  // IDCANCEL, so that Esc is 取消

}  // namespace selfcheck_window
}  // namespace quorvane
