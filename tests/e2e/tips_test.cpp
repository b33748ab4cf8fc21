// The tip window "日积月累": tips from the tip file, the next tip, and
// "更新知识库" against a local server that stands in for the tips server.
#include <gtest/gtest.h>

#include <set>

#include "driver.h"
#include "ui/control_ids.h"

namespace e2e {
namespace {

namespace ids = quorvane::ids;

const std::string kOld = "旧提示：按时服药。";
const std::string kFailed = "更新失败！请检查网络连接或者联系Orvath。";

// The program started with this tip file and its tip window open.
struct Scene {
  explicit Scene(const std::string& tipFile) {
    SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|1");
    WriteBytes(q.File("TIPOFDAY.TXT"), tipFile);
    q.Start();
    q.WaitForMain();
    tips = q.WaitForWindow(L"QuorvaneTipWindow");
  }
  // Presses "下一条提示" until `count` different tips have shown.
  std::set<std::string> Draw(size_t count) const {
    std::set<std::string> seen;
    WaitFor([&] {
      seen.insert(Text(tips, ids::kTipText));
      Click(tips, ids::kNextTip);
      return seen.size() >= count;
    }, std::to_string(count) + " different tips");
    return seen;
  }
  bool TemporaryFileLeft() const { return fs::exists(q.File("tipofday.txt.new")); }

  HttpServer server;  // before the program, which takes its address at start
  Quorvane q;
  HWND tips = nullptr;
};

TEST(Tips, ShowsTipsFromGbkAndUtf8Files) {
  const std::string a = "重症肌无力患者应按时服药。", b = "感冒发烧时请及时告诉医生。";
  for (const std::string& file : {Gbk(a + "\r\n" + b + "\r\n"), "\xEF\xBB\xBF" + a + "\r\n" + b}) {
    Scene scene(file);
    EXPECT_EQ(scene.Draw(2), (std::set<std::string>{a, b}));
  }
}

TEST(Tips, DownloadReplacesTheTipFileAndAddsItsTips) {
  Scene scene(Gbk(kOld + "\r\n"));
  const std::string served = Gbk("新提示：定期复诊。\r\n新提示：注意休息。\r\n");
  scene.server.Answer({200, served});
  Click(scene.tips, ids::kUpdateTips);
  EXPECT_EQ(scene.q.AnswerBox(), "更新成功");
  const std::vector<std::string> requests = scene.server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_TRUE(requests[0].starts_with("GET http://tips.quorvane.invalid") &&  // Wine may add ":80"
              requests[0].ends_with("/dl/tipofday.txt HTTP/1.1")) << requests[0];
  EXPECT_EQ(ReadBytes(scene.q.File("TIPOFDAY.TXT")), served);
  EXPECT_FALSE(scene.TemporaryFileLeft());
  EXPECT_EQ(scene.Draw(3), (std::set<std::string>{kOld, "新提示：定期复诊。", "新提示：注意休息。"}));
}

TEST(Tips, FailedDownloadLeavesTheTipFileAsItWas) {
  const std::string old = Gbk(kOld + "\r\n"), good = Gbk("新提示：定期复诊。\r\n");
  struct Failure {
    const char* name;
    HttpServer::Reply reply;
  };
  const Failure failures[] = {
      {"404", {404, good}},
      {"500", {500, good}},
      {"empty", {200, ""}},
      {"cut off", {200, good, good.size() + 100}},
      {"over 4 MiB", {200, std::string(4 * 1024 * 1024 + 1, 'a')}},
      {"tip file held open", {200, good}},
      {"refused", {200, good}},
  };
  Scene scene(old);
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.name);
    scene.server.Answer(failure.reply);
    std::shared_ptr<void> held;
    if (failure.name == std::string("tip file held open"))
      held = HoldFile(scene.q.File("TIPOFDAY.TXT"), GENERIC_READ, FILE_SHARE_READ);
    if (failure.name == std::string("refused")) scene.server.Refuse();
    Click(scene.tips, ids::kUpdateTips);
    // A file that cannot be written is named with the reason, not blamed on
    // the network.
    const std::string box = scene.q.AnswerBox();
    const std::string cannotWrite = "无法写入文件 " + Utf8(scene.q.File("tipofday.txt").wstring()) + "\r\n\r\n";
    EXPECT_TRUE(held ? box.starts_with(cannotWrite) : box == kFailed) << box;
    held.reset();
    EXPECT_EQ(ReadBytes(scene.q.File("TIPOFDAY.TXT")), old);
    EXPECT_FALSE(scene.TemporaryFileLeft());
  }
  EXPECT_EQ(scene.server.Requests().size(), 6u);
}

TEST(Tips, BusyWindowAnswersButTakesNoCommand) {
  Scene scene(Gbk(kOld + "\r\n"));
  scene.server.Answer({200, Gbk("新提示：定期复诊。\r\n")});
  scene.server.Hold(true);
  Click(scene.tips, ids::kUpdateTips);
  WaitFor([&] { return scene.server.Requests().size() == 1; }, "the download to start");
  for (const int button : {ids::kUpdateTips, ids::kTipOk, ids::kNextTip})
    WaitFor([&] { return !IsWindowEnabled(Control(scene.tips, button)); }, "button " + std::to_string(button) + " disabled");
  Send(scene.tips, WM_CLOSE);  // answered while the download waits, and refused
  Send(scene.tips, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(Control(scene.tips, IDOK)));
  EXPECT_TRUE(IsWindowVisible(scene.tips));
  EXPECT_EQ(scene.q.Box(), nullptr);
  scene.server.Hold(false);
  EXPECT_EQ(scene.q.AnswerBox(), "更新成功");
  WaitFor([&] { return IsWindowEnabled(Control(scene.tips, ids::kUpdateTips)); }, "the buttons enabled again");
}

}  // namespace
}  // namespace e2e
