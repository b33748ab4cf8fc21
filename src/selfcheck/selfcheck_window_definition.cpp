#include "selfcheck/selfcheck_window_definition.h"

#include <array>

namespace quorvane {
namespace {

using enum ControlKind;
using namespace selfcheck_window;

// The translation's line and the recall on top; the eight items in two
// columns of four, in the published order down each column, each a frame
// with its four answers; the note, the weekly reminder's switch, "保存" and
// "取消". Tab goes through the items in order, stopping once in each. The
// items and their answers are captioned at load, from the items file.
constexpr int kHeadControls = 2, kTailControls = 5;
constexpr int kItemControls = 1 + kMgAdlMaxScore + 1;

constexpr auto kControls = [] {
  std::array<ControlDefinition, kHeadControls + kMgAdlItemCount * kItemControls + kTailControls> controls{{
      // name, kind, id, container (0: the window), caption, left, top, width, height, tab index, flags, value
      {"attribution", Label, kAttribution, 0, "", 120, 120, 8760, 510, 0},
      {"recall", Label, kRecall, 0, "", 120, 690, 8760, 255, 1},
  }};
  int at = kHeadControls;
  for (int item = 0; item < kMgAdlItemCount; ++item) {
    const int left = 120 + item / 4 * 4440, top = 1020 + item % 4 * 1500;
    controls[at++] = {kMgAdlKeys[item], Frame, ItemFrame(item), 0, "", left, top, 4320, 1440, 2 + item};
    for (int score = 0; score <= kMgAdlMaxScore; ++score)
      controls[at++] = {"answer", RadioButton, AnswerButton(item, score), ItemFrame(item),
                        "",       120,         255 + score * 270,         4080,
                        255,      score};
  }
  const ControlDefinition tail[kTailControls] = {
      {"noteLabel", Label, kNoteLabel, 0, "备注(&O)", 120, 7080, 720, 255, 10},
      {"noteBox", TextBox, kNoteBox, 0, "", 900, 7020, 7980, 375, 10},
      {"reminderCheck", CheckBox, kReminderCheck, 0, "每周提醒我做自评", 120, 7560, 4200, 300, 11},
      {"saveButton", PushButton, kSaveButton, 0, "保存(&S)", 6360, 7560, 1200, 420, 12, kDefaultButton},
      {"cancelButton", PushButton, kCancelButton, 0, "取消", 7680, 7560, 1200, 420, 13},
  };
  for (const ControlDefinition& control : tail) controls[at++] = control;
  return controls;
}();

}  // namespace

const WindowDefinition kSelfCheckWindow{"QuorvaneSelfCheckWindow", "每周自评", 9000, 8100, kControls};

}  // namespace quorvane
