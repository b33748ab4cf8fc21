// The tip window "日积月累": tips from the tip file, the next tip, and
// "更新知识库" against a local server that stands in for the tips server.
#include <gtest/gtest.h>

#include <set>

#include "driver.h"

namespace e2e {

const std::string kOld = "旧提示：按时服药。", kNew = "新提示：定期复诊。";
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
    WaitFor(
        [&] {
          seen.insert(Text(tips, ids::kTipText));
          Click(tips, ids::kNextTip);
          return seen.size() >= count;
        },
        std::to_string(count) + " different tips");
    return seen;
  }
  // Presses "更新知识库" and takes the request.
  std::string Update() {
    Click(tips, ids::kUpdateTips);
    return server.Take();
  }
  bool TipFileAsBefore(const std::string& before) const {
    return ReadBytes(q.File("TIPOFDAY.TXT")) == before && !fs::exists(q.File("tipofday.txt.new"));
  }

  HttpServer server;  // before the program, which takes its address at start
  Quorvane q;
  HWND tips = nullptr;
};

TEST(Tips, ShowsTipsFromGbkAndUtf8Files) {
  for (const std::string& file : {Gbk(kOld + "\r\n" + kNew + "\r\n"), kOld + "\r\n" + kNew}) {
    Scene scene(file);
    EXPECT_EQ(scene.Draw(2), (std::set<std::string>{kOld, kNew}));
  }
}

TEST(Tips, DownloadReplacesTheTipFileAndAddsItsTips) {
  Scene scene(Gbk(kOld + "\r\n"));
  const std::string request = scene.Update(), served = Gbk(kNew + "\r\n新提示：注意休息。\r\n");
  EXPECT_TRUE(request.starts_with("GET http://tips.quorvane.invalid") &&  // Wine may add ":80"
              request.ends_with("/dl/tipofday.txt HTTP/1.1"))
      << request;
  scene.server.Reply(200, served);
  EXPECT_EQ(scene.q.AnswerBox(), "更新成功");
  EXPECT_TRUE(scene.TipFileAsBefore(served));
  EXPECT_EQ(scene.Draw(3), (std::set<std::string>{kOld, kNew, "新提示：注意休息。"}));
}

TEST(Tips, FailedDownloadLeavesTheTipFileAsItWas) {
  const std::string old = Gbk(kOld + "\r\n"), good = Gbk(kNew + "\r\n");
  const struct {
    const char* name;
    int status;
    std::string body;
    size_t announced = 0;
  } failures[] = {{"404", 404, good},
                  {"500", 500, good},
                  {"empty", 200, ""},
                  {"cut off", 200, good, good.size() + 100},
                  {"over 4 MiB", 200, std::string(4 * 1024 * 1024 + 1, 'a')}};
  Scene scene(old);
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.name);
    scene.Update();
    scene.server.Reply(failure.status, failure.body, failure.announced);
    EXPECT_EQ(scene.q.AnswerBox(), kFailed);
    EXPECT_TRUE(scene.TipFileAsBefore(old));
  }
  {
    SCOPED_TRACE("the tip file held open, so the new one cannot take its place");
    const auto held = HoldFile(scene.q.File("TIPOFDAY.TXT"), GENERIC_READ, FILE_SHARE_READ);
    scene.Update();
    scene.server.Reply(200, good);
    // A file that cannot be written is named with the reason, not blamed on the network.
    const std::string box = scene.q.AnswerBox();
    EXPECT_TRUE(box.starts_with("无法写入文件 " + Utf8(scene.q.File("tipofday.txt").wstring()) + "\r\n\r\n")) << box;
  }
  EXPECT_TRUE(scene.TipFileAsBefore(old));
  scene.server.Refuse();
  Click(scene.tips, ids::kUpdateTips);
  EXPECT_EQ(scene.q.AnswerBox(), kFailed) << "connection refused";
  EXPECT_TRUE(scene.TipFileAsBefore(old));
}

TEST(Tips, BusyWindowAnswersButTakesNoCommand) {
  Scene scene(Gbk(kOld + "\r\n"));
  scene.Update();  // and no reply yet
  for (const int button : {ids::kUpdateTips, ids::kTipOk, ids::kNextTip})
    EXPECT_FALSE(IsWindowEnabled(Control(scene.tips, button))) << button;
  Send(scene.tips, WM_CLOSE);  // answered while the download waits, and refused
  Send(scene.tips, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(Control(scene.tips, IDOK)));
  EXPECT_TRUE(IsWindowVisible(scene.tips));
  EXPECT_EQ(scene.q.Box(), nullptr);
  scene.server.Reply(200, Gbk(kNew + "\r\n"));
  EXPECT_EQ(scene.q.AnswerBox(), "更新成功");
  WaitFor([&] { return IsWindowEnabled(Control(scene.tips, ids::kUpdateTips)); },
          "the buttons enabled again");
}

}  // namespace e2e
