#pragma once
// Control ids. The tip window's "确定" is IDOK and the options dialog's
// "取消" is IDCANCEL, so that Enter and Esc reach them the standard way.

namespace quorvane::ids {

// Main window "Quorvane1.0".
inline constexpr int kDrugName = 1000;   // Text1(0)
inline constexpr int kStartDate = 1001;  // Text1(1)
inline constexpr int kDose = 1002;       // Text1(2)
inline constexpr int kAlternateDay = 1010;  // chkGrdf
inline constexpr int kRemindAtStart = 1011; // chkKjtx
inline constexpr int kTipsAtStartup = 1012; // chkLoadTipsAtStartup
inline constexpr int kSave = 1020;       // Command1 "修改"
inline constexpr int kHide = 1021;       // Command2 "退出"
inline constexpr int kDrugNameLabel = 1030;
inline constexpr int kDoseLabel = 1031;
inline constexpr int kStartDateLabel = 1032;

// Tip window "日积月累".
inline constexpr int kTipOk = 1;  // IDOK
inline constexpr int kNextTip = 1101;
inline constexpr int kUpdateTips = 1102;
inline constexpr int kTipText = 1103;
inline constexpr int kTipHeading = 1104;
inline constexpr int kTipPicture = 1105;

// Options dialog "找病友".
inline constexpr int kOptionsOk = 1201;
inline constexpr int kOptionsCancel = 2;  // IDCANCEL
inline constexpr int kOptionsApply = 1203;
inline constexpr int kOptionsPage1 = 1211;
inline constexpr int kOptionsPage2 = 1212;
inline constexpr int kOptionsPage3 = 1213;
inline constexpr int kOptionsSample2 = 1221;
inline constexpr int kOptionsSample3 = 1222;
inline constexpr int kOptionsSample4 = 1223;

// Medication log "用药记录". Esc arrives as IDCANCEL.
inline constexpr int kDiaryPreviousMonth = 1301;
inline constexpr int kDiaryNextMonth = 1302;
inline constexpr int kDiaryMonth = 1303;
inline constexpr int kDiaryCalendar = 1304;
inline constexpr int kDiaryLegend = 1305;
inline constexpr int kDiaryDay = 1306;
inline constexpr int kDiaryNoteLabel = 1307;
inline constexpr int kDiaryNote = 1308;
inline constexpr int kDiaryTaken = 1309;
inline constexpr int kDiaryMissed = 1310;
inline constexpr int kDiaryClear = 1311;
inline constexpr int kDiaryExport = 1312;
inline constexpr int kDiarySummary = 1313;

}  // namespace quorvane::ids
