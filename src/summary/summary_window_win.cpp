#include "summary/summary_window_win.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "base/text_win.h"
#include "commands/shell_opener_win.h"
#include "diary/diary.h"
#include "regimen/date_text.h"
#include "selfcheck/built_in_scale_win.h"
#include "summary/summary_page.h"
#include "summary/summary_window_definition.h"

namespace quorvane {

using namespace summary_window;

namespace {

constexpr std::pair<int, SummaryPeriod> kPeriodButtons[] = {{kDays90Button, SummaryPeriod::Last90Days},
                                                            {kDays30Button, SummaryPeriod::Last30Days},
                                                            {kDays180Button, SummaryPeriod::Last180Days},
                                                            {kSinceButton, SummaryPeriod::SinceDate}};

constexpr std::string_view kNothingWritten = "\n\n没有生成就诊摘要。";

// Reads one record file whole; the reason it cannot, in words, otherwise.
template <typename File>
std::optional<std::vector<typename File::Entry>> ReadEntries(File file, std::string_view what,
                                                             std::string* problem) {
  FileError error;
  if (!file.Load(&error)) {
    *problem = CannotReadRecordText(what, file.Path(), error);
    return std::nullopt;
  }
  return file.Entries();
}

}  // namespace

SummaryWindow::SummaryWindow(const RegimenSource& regimen) : Form(kSummaryWindow), regimen_(regimen) {}

void SummaryWindow::Open(HWND owner) {
  if (!IsLoaded()) {
    owner_ = owner;
    Load();
    EnableWindow(Control(kSinceBox), FALSE);
  }
  ShowModeless();
}

void SummaryWindow::PlaceOnScreen() {
  // Over the middle of 用药记录, as a dialog opens over its owner.
  RECT owner{};
  if (!owner_ || !GetWindowRect(owner_, &owner)) return Form::PlaceOnScreen();
  const SIZE size = WindowSize();
  MoveOnScreen({(owner.left + owner.right - size.cx) / 2, (owner.top + owner.bottom - size.cy) / 2});
}

void SummaryWindow::Report(std::string_view text) { WindowMessageBoxes(Handle()).Show(text); }

void SummaryWindow::Make() {
  const CivilDate today = clock_.Today();
  SummaryPeriod choice = SummaryPeriod::Last90Days;
  for (const auto& [id, period] : kPeriodButtons)
    if (CheckValue(id) == BST_CHECKED) choice = period;
  std::optional<DateRange> period = PeriodOf(choice, today);
  if (choice == SummaryPeriod::SinceDate) {
    const std::string text = Narrow(WindowText(Control(kSinceBox)));
    const auto since = ParseDateText(text);
    if (since) period = PeriodOf(choice, today, since->date);
    if (!period) {
      Report(since ? "开始日期“" + text + "”在今天之后，请填写今天或更早的日期。"
                   : "请按 2026-09-01 这样的格式填写开始日期。");
      SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(kSinceBox)), TRUE);
      return;
    }
  }
  const std::wstring documents = DocumentsFolder();
  if (documents.empty()) return Report("找不到“文档”文件夹，无法生成就诊摘要。");
  const auto& scale = BuiltInMgAdlScale();
  if (!scale) return Report("程序文件已损坏，找不到自评的条目，请重新安装 Quorvane。");
  std::string problem;
  const auto diary = ReadEntries(Diary(files_, RecordFilePath(kDiaryFileName)), "用药记录文件", &problem);
  const auto checks =
      diary ? ReadEntries(SelfCheckFile(files_, RecordFilePath(kSelfCheckFileName)), "自评文件", &problem)
            : std::nullopt;
  if (!checks) return Report(problem + std::string(kNothingWritten));

  const VisitSummary summary = SummarizeVisit(*diary, *checks, regimen_.CurrentRegimen(), *period, today);
  const std::string path = Narrow(documents) + "\\" + VisitSummaryFileName(today);
  FileError error;
  if (!files_.ReplaceAtomically(path, VisitSummaryHtml(summary, *scale), &error))
    return Report("无法把就诊摘要写入“" + path + "”：" + error.description);
  WindowShellOpener(owner_).Open(path);
  Unload();
}

void SummaryWindow::OnCommand(int id, int notification, HWND control) {
  Form::OnCommand(id, notification, control);  // Esc closes; a chosen period keeps the group's tab stop
  if (notification != BN_CLICKED) return;
  if (id == kMakeButton) return Make();
  if (id == kCancelButton) return Unload();
  for (const auto& [button, period] : kPeriodButtons)
    if (id == button) EnableWindow(Control(kSinceBox), CheckValue(kSinceButton) == BST_CHECKED);
}

}  // namespace quorvane
