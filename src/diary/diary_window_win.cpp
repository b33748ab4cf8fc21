#include "diary/diary_window_win.h"

#include <commdlg.h>

#include <algorithm>

#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "base/shell_com_win.h"
#include "base/system_library_win.h"
#include "base/text_win.h"
#include "diary/diary_month.h"
#include "diary/diary_window_definition.h"
#include "diary/status_words.h"
#include "ui/application_icon_win.h"
#include "ui/day_grid_win.h"
#include "ui/dpi_win.h"

namespace quorvane {

using namespace diary_window;

namespace {

constexpr int kLoggingControls[] = {kNoteBox, kTakenButton, kMissedButton, kClearButton};

// The calendar's marks, beside the status words.
constexpr wchar_t kDoseDayMark[] = L"●";
constexpr wchar_t kTakenMark[] = L"√";
constexpr wchar_t kMissedMark[] = L"×";

constexpr std::string_view kFileWords = "用药记录文件";

CivilDate AddDays(const CivilDate& day, int days) { return DateFromDays(DaysSinceEpoch(day) + days); }

DayGridCell CellFor(const DayMark& mark, const CivilDate& selected) {
  DayGridCell cell;
  cell.number = std::to_wstring(mark.date.day);
  if (mark.doseDay) cell.mark = kDoseDayMark;
  if (mark.logged == DoseStatus::Taken)
    cell.status = kTakenMark + Widen(kTakenWord), cell.tone = DayTone::Good;
  if (mark.logged == DoseStatus::Missed)
    cell.status = kMissedMark + Widen(kMissedWord), cell.tone = DayTone::Bad;
  cell.today = mark.today;
  cell.selected = mark.date == selected;
  cell.dim = mark.future;
  return cell;
}

// The file dialogs' library is loaded from the system folder when the user
// first exports, not at every start: it is large, and most starts never
// need it.
bool SaveFileName(OPENFILENAMEW& dialog) {
  using GetSaveFileNameFn = BOOL(WINAPI*)(LPOPENFILENAMEW);
  static const auto getSaveFileName =
      LibraryFunction<GetSaveFileNameFn>(LoadSystemLibrary(L"comdlg32.dll"), "GetSaveFileNameW");
  PrepareComForShell();
  return getSaveFileName && getSaveFileName(&dialog);
}

// The Save As dialog on Documents with the name 用药记录.csv; empty when
// the user cancels.
std::wstring AskExportPath(HWND owner) {
  wchar_t file[MAX_PATH] = L"用药记录.csv";
  const std::wstring documents = DocumentsFolder();
  OPENFILENAMEW dialog{sizeof(dialog)};
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = L"CSV 文件 (*.csv)\0*.csv\0所有文件 (*.*)\0*.*\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = MAX_PATH;
  dialog.lpstrInitialDir = documents.empty() ? nullptr : documents.c_str();
  dialog.lpstrDefExt = L"csv";
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  return SaveFileName(dialog) ? std::wstring(file) : std::wstring();
}

}  // namespace

DiaryWindow::DiaryWindow(const RegimenSource& regimen, SelfCheckPanel& selfCheck, VisitSummaryOpener& summary)
    : Form(kDiaryWindow), regimen_(regimen), selfCheck_(selfCheck), summary_(summary) {}

void DiaryWindow::Open() {
  const bool opening = !IsLoaded();
  // Found at the first opening, not at start: a start shows nothing of it.
  if (!diary_) {
    icons_ = LoadApplicationIcons(DpiForSystem());
    diary_.emplace(files_, RecordFilePath(kDiaryFileName));
  }
  Load();
  ShowModeless();
  if (!opening) return;
  // It opens on the calendar, though Tab starts at the month's buttons.
  SetFocus(Control(kCalendar));
  ReportLoadProblems();
}

void DiaryWindow::OnLoad() {
  SetCaption(kTakenButton, Widen(kTakenWord) + L"(&T)");
  SetCaption(kMissedButton, Widen(kMissedWord) + L"(&M)");
  SetCaption(kLegend, std::wstring(kDoseDayMark) + L" 服药日　" + kTakenMark + L" " + Widen(kTakenWord) +
                          L"　" + kMissedMark + L" " + Widen(kMissedWord));
  loadError_ = {};
  loaded_ = diary_->Load(&loadError_);
  Select(clock_.Today());
  RefreshTrend();
}

void DiaryWindow::RefreshTrend() {
  if (!IsLoaded()) return;
  const SelfCheckPanel::Trend trend = selfCheck_.TrendUpTo(clock_.Today());
  SendMessageW(Control(kTrendChart), kLineChartSet, 0, reinterpret_cast<LPARAM>(&trend.chart));
  // The chart is named by the words beside it.
  SetCaption(kTrend, Widen(trend.words));
  SetCaption(kTrendChart, Widen(trend.words));
}

void DiaryWindow::ReportLoadProblems() {
  const std::string problem = loaded_ ? KeptRowsText(kFileWords, diary_->Path(), diary_->UnreadableRows())
                                      : CannotReadRecordText(kFileWords, diary_->Path(), loadError_);
  if (!problem.empty()) Report(problem);
}

void DiaryWindow::Report(std::string_view text) { WindowMessageBoxes(Handle()).Show(text); }

void DiaryWindow::ReportWriteFailure(const FileError& error) {
  Report(CannotSaveRecordText(kFileWords, diary_->Path(), error));
}

void DiaryWindow::Select(const CivilDate& day) {
  selected_ = day;
  shownYear_ = day.year, shownMonth_ = day.month;
  const DiaryEntry* entry = diary_->Find(day);
  SetCaption(kNoteBox, entry ? Widen(entry->note) : std::wstring());
  Refresh();
}

void DiaryWindow::MoveMonths(int months) {
  if (const auto day = AddMonths({shownYear_, shownMonth_, selected_.day}, months)) Select(*day);
}

void DiaryWindow::Refresh() {
  const CivilDate today = clock_.Today();
  const std::vector<DayMark> marks =
      MonthMarks(*diary_, regimen_.CurrentRegimen(), shownYear_, shownMonth_, today);
  std::vector<DayGridCell> cells(kDayGridCells);
  const DayMark* selectedMark = nullptr;
  for (const DayMark& mark : marks) {
    cells[CalendarCell(mark.date)] = CellFor(mark, selected_);
    if (mark.date == selected_) selectedMark = &mark;
  }
  SendMessageW(Control(kCalendar), kDayGridSetCells, 0, reinterpret_cast<LPARAM>(cells.data()));
  SetCaption(kMonth, std::to_wstring(shownYear_) + L"年" + std::to_wstring(shownMonth_) + L"月");
  const DiaryEntry* entry = diary_->Find(selected_);
  // The line under the calendar is also the calendar's name for screen readers.
  const std::wstring day = Widen(DayDescription(*selectedMark, entry ? entry->note : std::string()));
  SetCaption(kDay, day);
  SetCaption(kCalendar, day);
  SetCaption(kSummary, Widen(MonthSummaryText(SummarizeMonth(marks))));
  // Future days cannot be logged. A control losing the focus hands it to the calendar.
  for (const int id : kLoggingControls) {
    if (selectedMark->future && GetFocus() == Control(id)) SetFocus(Control(kCalendar));
    EnableWindow(Control(id), !selectedMark->future);
  }
}

void DiaryWindow::Log(DoseStatus status) {
  const CivilDate today = clock_.Today();
  if (DaysSinceEpoch(selected_) > DaysSinceEpoch(today)) return;
  const RegimenValues regimen = regimen_.CurrentRegimen();
  const DiaryEntry entry{
      selected_, status, regimen.drugName, regimen.dose, Narrow(WindowText(Control(kNoteBox))), LocalNow()};
  FileError error;
  if (!diary_->Put(entry, &error)) ReportWriteFailure(error);
  Select(selected_);
}

void DiaryWindow::ClearDay() {
  FileError error;
  if (!diary_->Clear(selected_, &error)) ReportWriteFailure(error);
  Select(selected_);
}

void DiaryWindow::Export() {
  const std::wstring path = AskExportPath(Handle());
  if (path.empty()) return;
  FileError error;
  // The file as it stands now, not as it stood when the window opened.
  if (!diary_->Load(&error)) {
    Report(CannotReadRecordText(kFileWords, diary_->Path(), error));
  } else if (!files_.ReplaceAtomically(Narrow(path), diary_->FileBytes(), &error)) {
    Report("无法导出用药记录到“" + Narrow(path) + "”：" + error.description);
  }
  Refresh();
}

void DiaryWindow::OnCommand(int id, int notification, HWND control) {
  if (notification != BN_CLICKED) return Form::OnCommand(id, notification, control);
  switch (id) {
    case IDCANCEL:  // Esc
      Unload();
      return;
    case kPreviousMonthButton:
      return MoveMonths(-1);
    case kNextMonthButton:
      return MoveMonths(1);
    case kTakenButton:
      return Log(DoseStatus::Taken);
    case kMissedButton:
      return Log(DoseStatus::Missed);
    case kClearButton:
      return ClearDay();
    case kExportButton:
      return Export();
    case kSelfCheckButton:
      return selfCheck_.OpenSelfCheck();
    case kVisitSummaryButton:
      return summary_.OpenVisitSummary(Handle());
  }
}

LRESULT DiaryWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kDayGridRequest) return Form::HandleMessage(message, wParam, lParam);
  const int value = static_cast<int>(lParam);
  switch (wParam) {
    case kMoveDays: {
      const CivilDate day = AddDays(selected_, value);
      if (IsValidDate(day)) Select(day);
      break;
    }
    case kMoveMonths:
      MoveMonths(value);
      break;
    case kPickCell:
      Select(DayInCalendarCell(shownYear_, shownMonth_, value));
      break;
  }
  return 0;
}

}  // namespace quorvane
