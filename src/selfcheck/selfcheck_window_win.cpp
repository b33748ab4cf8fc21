#include "selfcheck/selfcheck_window_win.h"

#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "base/text_win.h"
#include "selfcheck/built_in_scale_win.h"
#include "selfcheck/selfcheck_window_definition.h"
#include "selfcheck/weekly_nudge.h"
#include "ui/application_icon_win.h"
#include "ui/dpi_win.h"

namespace quorvane {

using namespace selfcheck_window;

namespace {

constexpr std::string_view kFileWords = "自评文件";

}  // namespace

SelfCheckWindow::SelfCheckWindow(DiaryWindow& diary) : Form(kSelfCheckWindow), diary_(diary) {}

void SelfCheckWindow::Open() {
  const bool opening = !IsLoaded();
  std::string problem;
  if (opening && !BuiltInMgAdlScale(&problem)) {
    Report(problem + "\r\n\r\n请重新安装 Quorvane。");
    return;
  }
  // Found at the first opening, not at start: a start shows nothing of it.
  if (!file_) {
    icons_ = LoadApplicationIcons(DpiForSystem());
    file_.emplace(files_, RecordFilePath(kSelfCheckFileName));
  }
  Load();
  ShowModeless();
  if (opening) ReportLoadProblems();
}

void SelfCheckWindow::OnLoad() {
  const MgAdlScale& scale = *BuiltInMgAdlScale();
  SetCaption(kAttribution, Widen(scale.attribution));
  SetCaption(kRecall, Widen(scale.recall));
  for (int item = 0; item < kMgAdlItemCount; ++item) {
    SetCaption(ItemFrame(item), Widen(scale.items[item].name));
    for (int score = 0; score <= kMgAdlMaxScore; ++score)
      SetCaption(AnswerButton(item, score), Widen(scale.items[item].answers[score]));
  }
  // Today's check, if there is one, to change it.
  day_ = clock_.Today();
  loadError_ = {};
  loaded_ = file_->Load(&loadError_);
  if (const SelfCheck* today = file_->Find(day_)) {
    for (int item = 0; item < kMgAdlItemCount; ++item) ChooseRadio(AnswerButton(item, today->scores[item]));
    SetCaption(kNoteBox, Widen(today->note));
  }
  SetCheckValue(kReminderCheck, LoadSettings(files_, RecordFilePath(kSettingsFileName)).weeklyReminder);
  EnableWindow(Control(kSaveButton), Answers().has_value());
}

void SelfCheckWindow::ReportLoadProblems() {
  const std::string problem = loaded_ ? KeptRowsText(kFileWords, file_->Path(), file_->UnreadableRows())
                                      : CannotReadRecordText(kFileWords, file_->Path(), loadError_);
  if (!problem.empty()) Report(problem);
}

void SelfCheckWindow::Report(std::string_view text) { WindowMessageBoxes(Handle()).Show(text); }

std::optional<std::array<int, kMgAdlItemCount>> SelfCheckWindow::Answers() const {
  std::array<int, kMgAdlItemCount> scores{};
  for (int item = 0; item < kMgAdlItemCount; ++item) {
    scores[item] = -1;
    for (int score = 0; score <= kMgAdlMaxScore; ++score)
      if (CheckValue(AnswerButton(item, score)) == BST_CHECKED) scores[item] = score;
    if (scores[item] < 0) return std::nullopt;
  }
  return scores;
}

void SelfCheckWindow::Save() {
  const auto scores = Answers();
  if (!scores) return;
  const SelfCheck check{day_, *scores, Narrow(WindowText(Control(kNoteBox))), LocalNow()};
  FileError error;
  // The answers stay in the window when the file takes no change.
  if (!file_->Put(check, &error)) return Report(CannotSaveRecordText(kFileWords, file_->Path(), error));
  const AfterSaveBox advice = AdviceAfterSave(check, PreviousCheck(file_->Entries(), check.date));
  if (advice.advice != AfterSaveAdvice::None) Report(advice.text);
  Unload();
  diary_.RefreshTrend();
}

void SelfCheckWindow::SaveReminderSwitch() {
  const std::string path = RecordFilePath(kSettingsFileName);
  SelfCheckSettings settings = LoadSettings(files_, path);
  settings.weeklyReminder = CheckValue(kReminderCheck) == BST_CHECKED;
  FileError error;
  if (!SaveSettings(files_, path, settings, &error))
    Report("无法保存设置文件“" + path + "”：" + error.description);
}

void SelfCheckWindow::OnCommand(int id, int notification, HWND control) {
  Form::OnCommand(id, notification, control);  // ticks the box, chooses the answer, Esc
  if (notification != BN_CLICKED || !IsLoaded()) return;
  if (id == kSaveButton) return Save();
  if (id == kReminderCheck) return SaveReminderSwitch();
  EnableWindow(Control(kSaveButton), Answers().has_value());
}

SelfCheckPanel::Trend SelfCheckWindow::TrendUpTo(const CivilDate& today) {
  SelfCheckFile file(files_, RecordFilePath(kSelfCheckFileName));
  if (!file.Load(nullptr)) return {{}, "无法读取自评记录"};
  const SelfCheckTrend trend = BuildTrend(file.Entries(), today);
  const auto day = [&](const CivilDate& date) {
    return static_cast<int>(DaysSinceEpoch(date) - DaysSinceEpoch(trend.first));
  };
  Trend shown{{day(trend.last), kMgAdlItemCount * kMgAdlMaxScore, 1, {}}, trend.label};
  for (const TrendPoint& point : trend.points) shown.chart.points.push_back({day(point.date), point.total});
  return shown;
}

}  // namespace quorvane
