// Start-up, closing, one copy at a time, failure reports and the window tables.
#include <gtest/gtest.h>

#include "app/single_instance.h"
#include "app/startup.h"
#include "base/failure_report.h"
#include "diary/diary_window_definition.h"
#include "fakes.h"
#include "options/options_dialog_definition.h"
#include "tips/tip_window_definition.h"
#include "tray/tray_state.h"

namespace quorvane {
namespace {

TEST(Startup, RunsTheStepsInOrderAndSkipsAFailingOne) {
  // {stored record or none, day of May 2006, broken, journal}; broken: the
  // registry cannot be read and the tray icon cannot be added.
  const std::tuple<const char*, int, bool, std::string_view> cases[] = {
      {nullptr, 24, false, "hide set box:强的松6片，别忘记！ tray tip:Quorvane tips"},
      {"泼尼松|2006-05-22|4|3|1", 22, false, "hide set box:泼尼松4片，别忘记！ tray tip:Quorvane tips"},
      {"a|2006-05-22|1|0|0", 22, false, "hide set tray tip:Quorvane"},
      {"a|2006-05-22|1|0|2", 22, false, "hide set tray tip:Quorvane"},  // grey
      {nullptr, 22, true, "hide box:强的松6片，别忘记！ tip:Quorvane tips"}};
  for (const auto& [record, day, broken, journal] : cases) {
    testing::FakeMainWindow window;
    testing::FakeStore store;
    testing::RecordingBoxes boxes;
    boxes.journal = &window.journal;
    if (record) store.PutText("Software", "Quorvane", record);
    store.throwOnRead = window.failTrayIcon = broken;
    RunStartup(window, {store, testing::GbkCodec{}, boxes, testing::FixedClock({2006, 5, day}), "C:\\Q.exe"});
    EXPECT_EQ(window.journal, journal) << (record ? record : "no record");
    if (!record) EXPECT_EQ(window.controls, (RegimenValues{"强的松", "2006-05-22", "6", 1, 1, 1}));
  }
}

TEST(TrayState, ClosingEndsTheProgramOnlyWhenTheLatestActionCameThroughTheTray) {
  // i: a tray event; I: a tray event whose bringing the window forward
  // activates it from the tip window; o: activated from the tip window;
  // x: activated from another program; s: "基本设置".
  using enum TrayState::CloseAction;
  const std::pair<std::string_view, TrayState::CloseAction> cases[] = {
      {"", Hide},  {"i", Exit},  {"io", Hide}, {"ix", Exit},
      {"I", Exit}, {"is", Hide}, {"si", Exit}, {"ioi", Exit}};
  for (const auto& [steps, close] : cases) {
    TrayState tray;
    for (const char step : steps) {
      if (step == 'i') tray.OnIconEvent([] {});
      if (step == 'I') tray.OnIconEvent([&] { tray.OnActivated(true); });
      if (step == 'o' || step == 'x') tray.OnActivated(step == 'o');
      if (step == 's') tray.OnShownByUser();
    }
    EXPECT_EQ(tray.OnClose(), close) << steps;
  }
}

TEST(WindowDefinition, CreatesControlsInTabIndexOrderEachLabelBeforeItsBoxContainersLast) {
  // "*" marks a tab stop.
  const std::pair<const WindowDefinition&, std::string_view> cases[] = {
      {kMainWindow,
       "drugNameLabel *drugNameBox startDateLabel *startDateBox doseLabel *doseBox *alternateDayCheck "
       "*remindAtStartCheck *saveButton *hideButton *tipsAtStartupCheck"},
      {kTipWindow, "*okButton *panel *nextTipButton *updateTipsButton heading tipText"},
      {kOptionsDialog,
       "*okButton *cancelButton *applyButton page1 page2 page3 sample2Frame sample3Frame sample4Frame"},
      {kDiaryWindow,
       "*previousMonthButton *nextMonthButton month *calendar legend day noteLabel *noteBox *takenButton "
       "*missedButton *clearButton *exportButton summary"}};
  for (const auto& [window, expected] : cases) {
    std::string order;
    for (const PlacedControl& placed : CreationOrder(window))
      testing::Note(&order, std::string(placed.tabStop ? "*" : "").append(placed.definition->name));
    EXPECT_EQ(order, expected);
  }
}

TEST(WindowDefinition, ADpiChangeKeepsTheSizeTheUserGaveAResizableWindow) {
  // {window, resizable, client size now, DPI from, DPI to, client size after}
  const std::tuple<const WindowDefinition&, bool, PixelSize, int, int, PixelSize> cases[] = {
      {kTipWindow, true, {500, 300}, 96, 144, {750, 450}},
      {kTipWindow, true, {379, 207}, 144, 96, {253, 138}},
      {kMainWindow, false, {250, 400}, 96, 144, {299, 470}}};  // fixed: its designed size, 298.5 rounded up
  for (const auto& [window, resizable, now, from, to, after] : cases)
    EXPECT_EQ(ClientSizeAfterDpiChange(window, resizable, now, from, to), after) << now.width;
}

// A lock that another copy holds. Take and the question to the running copy
// succeed at the given call, counted from 1 (0: never).
struct ScriptedLock : InstanceLock {
  int freeAt, answersAt, takes = 0, asks = 0, waited = 0;
  ScriptedLock(int free, int answers) : freeAt(free), answersAt(answers) {}
  bool Take(int milliseconds) override { return waited += milliseconds, ++takes == freeAt; }
  bool AskRunningCopyToShow() override { return ++asks == answersAt; }
};

TEST(SingleInstance, RunsAloneOrHandsOverToTheRunningCopyWithinABoundedWait) {
  // {lock free at, copy answers at, decision, asks (-1: any)}
  using enum StartDecision;
  const std::tuple<int, int, StartDecision, int> cases[] = {
      {1, 0, Run, 0},         // no other copy: nobody is asked
      {0, 1, HandOver, 1},    // the running copy answers
      {0, 4, HandOver, 4},    // its window comes while it starts
      {3, 0, Run, 2},         // it ended before it had a window
      {0, 0, HandOver, -1}};  // it never answers: left alone, not run twice
  for (const auto& [freeAt, answersAt, decision, asks] : cases) {
    ScriptedLock lock(freeAt, answersAt);
    EXPECT_EQ(DecideStart(lock), decision) << freeAt << answersAt;
    EXPECT_TRUE(asks < 0 || lock.asks == asks) << freeAt << answersAt;
    EXPECT_LE(lock.waited, 30'000);
  }
}

TEST(FailureReport, NamesWhatFailedAndWhyAndTheProgramGoesOn) {
  testing::RecordingBoxes boxes;
  EXPECT_TRUE(RunReportingFailure("“每日一问”", boxes, [] {}));
  EXPECT_FALSE(RunReportingFailure("“每日一问”", boxes, [] { throw std::bad_alloc(); }));
  EXPECT_FALSE(RunReportingFailure("托盘图标", boxes, [] { throw std::runtime_error("x"); }));
  EXPECT_FALSE(RunReportingFailure("托盘图标", boxes, [] { throw 1; }));
  EXPECT_EQ(boxes.shown, (std::vector<std::string>{"“每日一问”出错：内存不足。程序会继续运行。",
                                                   "托盘图标出错：x。程序会继续运行。",
                                                   "托盘图标出错：未知错误。程序会继续运行。"}));
}

}  // namespace
}  // namespace quorvane
