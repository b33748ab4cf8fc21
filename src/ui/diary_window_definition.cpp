#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

using enum ControlKind;

// The month with its two buttons on top, the calendar, a legend and the
// selected day in words; the note and the three buttons that log it; the
// month's summary and "导出". Tab goes as they are read: the month's
// buttons, the calendar, the note, the buttons, "导出".
constexpr ControlDefinition kControls[] = {
    // name        kind        id                        in caption       left  top   width height tab
    {"cmdPrevMonth", PushButton, ids::kDiaryPreviousMonth, 0, "上月(&P)", 120, 120, 1050, 375, 0},
    {"cmdNextMonth", PushButton, ids::kDiaryNextMonth, 0, "下月(&N)", 1290, 120, 1050, 375, 1},
    {"lblMonth", Label, ids::kDiaryMonth, 0, "", 2580, 180, 3900, 255, 2},
    {"grdCalendar", DayGrid, ids::kDiaryCalendar, 0, "", 120, 600, 6360, 4200, 3},
    {"lblLegend", Label, ids::kDiaryLegend, 0, "● 服药日　√ 已服　× 漏服", 120, 4920, 6360, 255, 4},
    {"lblDay", Label, ids::kDiaryDay, 0, "", 120, 5280, 6360, 255, 5},
    {"lblNote", Label, ids::kDiaryNoteLabel, 0, "备注(&O)", 120, 5700, 720, 255, 6},
    {"txtNote", TextBox, ids::kDiaryNote, 0, "", 900, 5640, 5580, 375, 7},
    {"cmdTaken", PushButton, ids::kDiaryTaken, 0, "已服(&T)", 120, 6180, 1200, 420, 8},
    {"cmdMissed", PushButton, ids::kDiaryMissed, 0, "漏服(&M)", 1440, 6180, 1200, 420, 9},
    {"cmdClear", PushButton, ids::kDiaryClear, 0, "清除(&C)", 2760, 6180, 1200, 420, 10},
    {"cmdExport", PushButton, ids::kDiaryExport, 0, "导出(&E)…", 5280, 6180, 1200, 420, 11},
    {"lblSummary", Label, ids::kDiarySummary, 0, "", 120, 6780, 6360, 255, 12},
};

}  // namespace

const WindowDefinition kDiaryWindow{"QuorvaneDiaryWindow", "用药记录", 6600, 7200, kControls};

}  // namespace quorvane
