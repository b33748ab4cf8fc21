// The program around the logic: start-up, the window tables and the menus.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "commands/menu_definition.h"
#include "fakes.h"
#include "options/dialog_placement.h"
#include "ui/control_ids.h"
#include "ui/window_definitions.h"

namespace quorvane {
namespace {

using Lines = std::vector<std::string>;

// The controls as the main window creates them from its table: text boxes
// show their caption, check boxes their initial value.
RegimenValues ControlsFromTable() {
  const auto text = [](int id) { return std::string(FindControl(kMainWindow, id)->caption); };
  const auto box = [](int id) { return FindControl(kMainWindow, id)->initialValue; };
  return {text(ids::kDrugName),    text(ids::kStartDate),    text(ids::kDose),
          box(ids::kAlternateDay), box(ids::kRemindAtStart), box(ids::kTipsAtStartup)};
}

// Writes what start-up does to the window into a journal, in order.
struct FakeMainWindow : MainWindowHost {
  Lines& journal;
  RegimenValues controls = ControlsFromTable();
  bool failTrayIcon = false;

  explicit FakeMainWindow(Lines& j) : journal(j) {}
  void Hide() override { journal.push_back("hide"); }
  RegimenValues Controls() const override { return controls; }
  void SetControls(const RegimenValues& values) override { controls = values, journal.push_back("controls"); }
  void AddTrayIcon() override {
    if (failTrayIcon) throw std::runtime_error("no shell");
    journal.push_back("tray");
  }
  void SetTrayTip(std::string_view tip) override { journal.push_back("tip:" + std::string(tip)); }
  void OpenTipWindow() override { journal.push_back("tips"); }
};

struct Startup : ::testing::Test {
  Lines journal;
  FakeMainWindow window{journal};
  testing::FakeStore store;
  testing::RecordingBoxes boxes;
  void Run(CivilDate today) {
    boxes.journal = &journal;
    RunStartup(window,
               {store, testing::GbkCodec{}, boxes, testing::FixedClock(today), "C:\\Q\\Quorvane.exe"});
  }
};

TEST_F(Startup, WithoutAStoredRecordKeepsTheMainWindowsDefaults) {
  Run({2006, 5, 23});
  EXPECT_EQ(window.controls, (RegimenValues{"强的松", "2006-05-22", "6", 1, 1, 1}));
  EXPECT_EQ(store.Text("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quorvane"),
            "\"C:\\Q\\Quorvane.exe\"");
}

TEST_F(Startup, RunsTheStepsInOrderAndSkipsAFailingOne) {
  const struct {
    const char* record;  // nullptr: none stored
    CivilDate today;
    bool broken;  // the registry cannot be read and the tray icon cannot be added
    Lines journal;
  } cases[] = {
      {nullptr,
       {2006, 5, 24},
       false,
       {"hide", "controls", "box:强的松6片，别忘记！", "tray", "tip:Quorvane", "tips"}},
      {"泼尼松|2006-05-22|4|3|1",
       {2006, 5, 22},
       false,
       {"hide", "controls", "box:泼尼松4片，别忘记！", "tray", "tip:Quorvane", "tips"}},
      {"泼尼松|2006-05-22|4|3|1", {2006, 5, 23}, false, {"hide", "controls", "tray", "tip:Quorvane", "tips"}},
      {"a|2006-05-22|1|0|0", {2006, 5, 22}, false, {"hide", "controls", "tray", "tip:Quorvane"}},
      {"a|2006-05-22|1|0|2", {2006, 5, 22}, false, {"hide", "controls", "tray", "tip:Quorvane"}},  // grey
      {nullptr, {2006, 5, 22}, true, {"hide", "box:强的松6片，别忘记！", "tip:Quorvane", "tips"}},
  };
  for (const auto& c : cases) {
    journal.clear();
    store = {};
    if (c.record) store.PutText("Software", "Quorvane", c.record);
    store.throwOnRead = window.failTrayIcon = c.broken;
    window.controls = ControlsFromTable();
    Run(c.today);
    EXPECT_EQ(journal, c.journal) << (c.record ? c.record : "no record");
  }
}

TEST(WindowDefinition, CreatesControlsInTabIndexOrderContainersFirst) {
  // "*" marks a control that takes the focus.
  const struct {
    const WindowDefinition& window;
    const char* order;
  } cases[] = {
      {kMainWindow,
       "Label1(0) Label1(1) Label1(2) *Text1(0) *Text1(1) *Text1(2) *chkGrdf *chkKjtx *Command1 *Command2 "
       "*chkLoadTipsAtStartup"},
      {kTipWindow, "*cmdOK Picture1 *cmdNextTip *Command1 lblTipText Label1"},
      {kOptionsDialog,
       "*cmdOK *cmdCancel *cmdApply picOptions(1) picOptions(2) picOptions(3) fraSample2 fraSample3 "
       "fraSample4"},
  };
  for (const auto& c : cases) {
    std::string order;
    for (const ControlDefinition* control : CreationOrder(c.window))
      order += (order.empty() ? "" : " ") + std::string(TakesFocus(*control) ? "*" : "") +
               std::string(control->name);
    EXPECT_EQ(order, c.order);
  }
}

TEST(WindowDefinition, TwipsBecomePixelsAtTheWindowsDpiRoundedLikeMulDiv) {
  const struct {
    int twips, dpi, pixels;
  } cases[] = {{2985, 96, 199}, {2985, 144, 299}, {2985, 192, 398}, {15, 96, 1},
               {7, 96, 0},      {8, 96, 1},       {-8, 96, -1},     {-20000, 96, -1333}};
  for (const auto& c : cases) EXPECT_EQ(TwipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << "@" << c.dpi;
}

TEST(DialogPlacement, CentresOnTheScreen) {
  const struct {
    int screenW, screenH, windowW, windowH, left, top;
  } cases[] = {
      {1280, 800, 416, 357, 432, 222}, {1920, 1080, 410, 328, 755, 376}, {300, 200, 410, 328, -55, -64}};
  for (const auto& c : cases) {
    const Origin origin = CentredOrigin(c.screenW, c.screenH, c.windowW, c.windowH);
    EXPECT_EQ(origin.left, c.left);
    EXPECT_EQ(origin.top, c.top);
  }
}

TEST(Menus, EveryItemRunsItsCommandAndBothMenusCanExit) {
  using enum MenuCommand;
  const struct {
    int id;
    MenuCommand command;
  } cases[] = {{2001, ShowMainWindow},   {2002, MedicationLog}, {2003, ShowTips},          {2004, Exit},
               {2101, OpenGeneralGuide}, {2102, OpenHandbook},  {2103, OpenForumNewPosts}, {2104, OpenForum},
               {2105, ShowOptions},      {2106, Exit}};
  for (const auto& c : cases) {
    ASSERT_NE(FindMenuItem(c.id), nullptr) << c.id;
    EXPECT_EQ(FindMenuItem(c.id)->command, c.command) << c.id;
  }
  EXPECT_EQ(FindMenuItem(2005), nullptr);
}

}  // namespace
}  // namespace quorvane
