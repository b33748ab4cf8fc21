#include "diary/diary_window_definition.h"

namespace quorvane {
namespace {

using enum ControlKind;
using namespace diary_window;

// The month with its two buttons on top, the calendar, a legend and the
// selected day in words; the note and the three buttons that log it; the
// month's summary and "导出". Tab goes as they are read: the month's
// buttons, the calendar, the note, the buttons, "导出". The legend and the
// two status buttons are captioned at load, from the status words.
constexpr ControlDefinition kControls[] = {
    // name, kind, id, container (0: the window), caption, left, top, width, height, tab index, flags, value
    {"previousMonthButton", PushButton, kPreviousMonthButton, 0, "上月(&P)", 120, 120, 1050, 375, 0},
    {"nextMonthButton", PushButton, kNextMonthButton, 0, "下月(&N)", 1290, 120, 1050, 375, 1},
    {"month", Label, kMonth, 0, "", 2580, 180, 3900, 255, 2},
    {"calendar", DayGrid, kCalendar, 0, "", 120, 600, 6360, 4200, 3},
    {"legend", Label, kLegend, 0, "", 120, 4920, 6360, 255, 4},
    {"day", Label, kDay, 0, "", 120, 5280, 6360, 255, 5},
    {"noteLabel", Label, kNoteLabel, 0, "备注(&O)", 120, 5700, 720, 255, 6},
    {"noteBox", TextBox, kNoteBox, 0, "", 900, 5640, 5580, 375, 7},
    {"takenButton", PushButton, kTakenButton, 0, "", 120, 6180, 1200, 420, 8},
    {"missedButton", PushButton, kMissedButton, 0, "", 1440, 6180, 1200, 420, 9},
    {"clearButton", PushButton, kClearButton, 0, "清除(&C)", 2760, 6180, 1200, 420, 10},
    {"exportButton", PushButton, kExportButton, 0, "导出(&E)…", 5280, 6180, 1200, 420, 11},
    {"summary", Label, kSummary, 0, "", 120, 6780, 6360, 255, 12},
};

}  // namespace

const WindowDefinition kDiaryWindow{"QuorvaneDiaryWindow", "用药记录", 6600, 7200, kControls};

}  // namespace quorvane
