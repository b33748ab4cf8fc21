#include "app/startup.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fakes.h"

namespace quorvane {
namespace {

using testing::FakeStore;
using testing::FixedClock;
using testing::GbkCodec;
using testing::RecordingBoxes;

// Records what start-up does to the window, in order, into a shared journal.
class FakeMainWindow : public MainWindowHost {
 public:
  explicit FakeMainWindow(std::vector<std::string>& journal) : journal_(journal) {}
  RegimenValues controls;
  bool failTrayIcon = false;

  void Hide() override { journal_.push_back("hide"); }
  RegimenValues Controls() const override { return controls; }
  void SetControls(const RegimenValues& values) override {
    controls = values;
    journal_.push_back("controls");
  }
  void AddTrayIcon() override {
    if (failTrayIcon) throw std::runtime_error("no shell");
    journal_.push_back("tray");
  }
  void SetTrayTip(std::string_view tip) override { journal_.push_back("tip:" + std::string(tip)); }
  void OpenTipWindow() override { journal_.push_back("tips"); }

 private:
  std::vector<std::string>& journal_;
};

struct StartupFixture : ::testing::Test {
  std::vector<std::string> journal;
  FakeMainWindow window{journal};
  FakeStore store;
  GbkCodec gbk;
  RecordingBoxes boxes;
  void Run(CivilDate today) {
    boxes.journal = &journal;
    FixedClock clock(today);
    RunStartup(window, {store, gbk, boxes, clock, "C:\\Program Files\\Q\\Quorvane.exe"});
  }
};

TEST_F(StartupFixture, FirstStartUsesDesignValuesAndRemindsBeforeTheTrayIcon) {
  Run({2006, 5, 24});
  EXPECT_EQ(window.controls, RegimenValues{});
  EXPECT_EQ(store.Text("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quorvane"),
            "\"C:\\Program Files\\Q\\Quorvane.exe\"");
  const std::vector<std::string> expected = {"hide", "controls", "box:强的松6片，别忘记！",
                                             "tray", "tip:Quorvane", "tips"};
  EXPECT_EQ(journal, expected);
}

TEST_F(StartupFixture, StoredRecordDrivesReminderAndTipWindow) {
  store.PutText("Software", "Quorvane", "泼尼松|2006-05-22|4|3|0");
  Run({2006, 5, 23});  // odd day: no box
  EXPECT_EQ(window.controls.drugName, "泼尼松");
  EXPECT_TRUE(boxes.shown.empty());
  const std::vector<std::string> expected = {"hide", "controls", "tray", "tip:Quorvane"};
  EXPECT_EQ(journal, expected);
}

TEST_F(StartupFixture, GreyTipSwitchDoesNotOpenTheTipWindow) {
  store.PutText("Software", "Quorvane", "a|2006-05-22|1|0|2");
  Run({2006, 5, 22});
  EXPECT_EQ(window.controls.tipsAtStartup, 2);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "tips"), 0);
}

TEST_F(StartupFixture, FailingStepsAreSkippedAndTheRestRuns) {
  store.throwOnRead = true;
  window.failTrayIcon = true;
  Run({2006, 5, 22});
  EXPECT_EQ(window.controls, RegimenValues{});
  const std::vector<std::string> expected = {"hide", "box:强的松6片，别忘记！", "tip:Quorvane",
                                             "tips"};
  EXPECT_EQ(journal, expected);
}

}  // namespace
}  // namespace quorvane
