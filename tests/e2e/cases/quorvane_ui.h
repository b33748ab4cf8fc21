// The names and numbers by which the tests find Quorvane's windows,
// controls, registry values and tray messages.
#pragma once

#include <windows.h>

namespace quorvane_e2e::ui {

inline constexpr wchar_t kMainWindowClass[] = L"QuorvaneMainWindow";
inline constexpr wchar_t kTipWindowClass[] = L"QuorvaneTipWindow";
inline constexpr wchar_t kOptionsDialogClass[] = L"QuorvaneOptionsWindow";
inline constexpr char kMainWindowTitle[] = "Quorvane1.0";
inline constexpr char kTipWindowTitle[] = "日积月累";
inline constexpr char kOptionsDialogTitle[] = "找病友";
inline constexpr char kMessageBoxTitle[] = "Quorvane";

// Main window.
inline constexpr int kDrugName = 1000;       // Text1(0) "药名"
inline constexpr int kStartDate = 1001;      // Text1(1) "开始日期"
inline constexpr int kDose = 1002;           // Text1(2) "用量"
inline constexpr int kAlternateDay = 1010;   // chkGrdf "隔日顿服"
inline constexpr int kRemindAtStart = 1011;  // chkKjtx "开机提醒"
inline constexpr int kTipsAtStart = 1012;    // chkLoadTipsAtStartup
inline constexpr int kSaveButton = 1020;     // Command1 "修改"
inline constexpr int kExitButton = 1021;     // Command2 "退出"

// Tip window.
inline constexpr int kTipOk = IDOK;       // cmdOK "确定"
inline constexpr int kNextTip = 1101;     // cmdNextTip "下一条提示(&N)"
inline constexpr int kUpdateTips = 1102;  // Command1 "更新知识库"
inline constexpr int kTipText = 1103;     // lblTipText

// Options dialog.
inline constexpr int kOptionsOk = 1201;          // cmdOK "确定"
inline constexpr int kOptionsCancel = IDCANCEL;  // cmdCancel "取消"
inline constexpr int kOptionsApply = 1203;       // cmdApply "应用"

// Tray icon.
inline constexpr UINT kTrayCallbackMessage = 2025;
inline constexpr UINT kTrayIconId = 0;

// Registry: the record under HKCU\Software, the logon entry under Run.
inline constexpr wchar_t kRecordKey[] = L"Software";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kValueName[] = L"Quorvane";

// Files beside the program.
inline constexpr wchar_t kTipFile[] = L"TIPOFDAY.TXT";

// The address the tip update downloads (the build's default tips server).
inline constexpr char kTipDownloadAddress[] = "http://tips.quorvane.invalid/dl/tipofday.txt";

}  // namespace quorvane_e2e::ui
