// The tip window "日积月累": tips from the tip file, the next tip, and
// "更新知识库" against a local server that stands in for the tips server,
// serving files signed with the development key.
#include <gtest/gtest.h>

#include <set>

#include "driver.h"

namespace e2e {

const std::string kOld = "旧提示：按时服药。", kNew = "新提示：定期复诊。";
const std::string kFailed = "更新失败！请检查网络连接或者联系Orvath。";
const std::string kNotSigned =
    "下载的知识库没有发布者的签名，可能被人改动过，所以没有使用。\r\n\r\n您原来的知识库已保留。";

// The program started with one old tip and its tip window open.
struct Tips : testing::Test {
  void SetUp() override {
    if (!HaveDevelopmentKey()) GTEST_SKIP() << "built with a publisher's key: the tests cannot sign";
    SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|1");
    WriteBytes(q.File("TIPOFDAY.TXT"), Gbk(kOld + "\r\n"));
    q.Start();
    q.WaitForMain();
    tips = q.WaitForWindow(L"QuorvaneTipWindow");
  }
  // Presses "更新知识库" and takes the request.
  std::string Update() {
    Click(tips, tip_window::kUpdateTipsButton);
    return server.Take();
  }
  // Serves the signature the program asks for next.
  void ReplySignature(int status, const std::string& signature) {
    const std::string request = server.Take();
    EXPECT_TRUE(request.ends_with("/dl/tipofday.txt.sig HTTP/1.1")) << request;
    server.Reply(status, signature);
  }
  void ReplySigned(const std::string& file) {
    server.Reply(200, file);
    ReplySignature(200, SignedByDevelopmentKey(file));
  }
  bool TipFileAsBefore(const std::string& before) const {
    return ReadBytes(q.File("TIPOFDAY.TXT")) == before && !fs::exists(q.File("tipofday.txt.new"));
  }

  HttpServer server;  // before the program, which takes its address at start
  Quorvane q;
  HWND tips = nullptr;
};

TEST_F(Tips, DownloadReplacesTheTipFileAndAddsItsTips) {
  const std::string request = Update(), served = Gbk(kNew + "\r\n新提示：注意休息。\r\n");
  EXPECT_TRUE(request.starts_with("GET http://tips.quorvane.invalid") &&  // Wine may add ":80"
              request.ends_with("/dl/tipofday.txt HTTP/1.1"))
      << request;
  ReplySigned(served);
  EXPECT_EQ(q.AnswerBox(), "更新成功");
  EXPECT_TRUE(TipFileAsBefore(served));
  std::set<std::string> seen;  // "下一条提示" until the old and both new tips have shown
  WaitFor(
      [&] {
        seen.insert(Text(tips, tip_window::kTipText));
        Click(tips, tip_window::kNextTipButton);
        return seen == std::set<std::string>{kOld, kNew, "新提示：注意休息。"};
      },
      "the old and both new tips");
}

TEST_F(Tips, FailedDownloadLeavesTheTipFileAsItWas) {
  const std::string old = Gbk(kOld + "\r\n"), good = Gbk(kNew + "\r\n");
  const struct {
    const char* name;
    int status;
    std::string body;
    size_t announced = 0;
  } failures[] = {{"404", 404, good},
                  {"cut off", 200, good, good.size() + 100},
                  {"over 4 MiB", 200, std::string(4 * 1024 * 1024 + 1, 'a')}};
  for (const auto& failure : failures) {
    SCOPED_TRACE(failure.name);
    Update();
    server.Reply(failure.status, failure.body, failure.announced);
    EXPECT_EQ(q.AnswerBox(), kFailed);
    EXPECT_TRUE(TipFileAsBefore(old));
  }
  {
    SCOPED_TRACE("the tip file held open, so the new one cannot take its place");
    const auto held = HoldFile(q.File("TIPOFDAY.TXT"), GENERIC_READ, FILE_SHARE_READ);
    Update();
    ReplySigned(good);
    // A file that cannot be written is named with the reason, not blamed on the network.
    const std::string box = q.AnswerBox();
    EXPECT_TRUE(box.starts_with("无法写入文件 " + Utf8(q.File("tipofday.txt").wstring()) + "\r\n\r\n"))
        << box;
  }
  EXPECT_TRUE(TipFileAsBefore(old));
  server.Refuse();
  Click(tips, tip_window::kUpdateTipsButton);
  EXPECT_EQ(q.AnswerBox(), kFailed) << "connection refused";
  EXPECT_TRUE(TipFileAsBefore(old));
}

TEST_F(Tips, UnsignedOrWronglySignedFileIsRefusedAndTheOldOneKept) {
  const std::string old = Gbk(kOld + "\r\n"), good = Gbk(kNew + "\r\n");
  std::string changed = SignedByDevelopmentKey(good);
  changed.back() ^= 1;  // still DER, no longer the signature
  const std::tuple<const char*, std::string, int, std::string> refusals[] = {
      {"the signature of another file", Gbk("激素可以自己停。\r\n"), 200, SignedByDevelopmentKey(good)},
      {"a signature changed by one bit", good, 200, changed}};
  for (const auto& [name, file, status, signature] : refusals) {
    SCOPED_TRACE(name);
    Update();
    server.Reply(200, file);
    ReplySignature(status, signature);
    EXPECT_EQ(q.AnswerBox(), kNotSigned);
    EXPECT_TRUE(TipFileAsBefore(old));
  }
}

TEST_F(Tips, BusyWindowAnswersButTakesNoCommand) {
  Update();  // and no reply yet
  for (const int button : {tip_window::kUpdateTipsButton, tip_window::kOkButton, tip_window::kNextTipButton})
    EXPECT_FALSE(IsWindowEnabled(Control(tips, button))) << button;
  Send(tips, WM_CLOSE);  // answered while the download waits, and refused
  Send(tips, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(Control(tips, IDOK)));
  EXPECT_TRUE(IsWindowVisible(tips));
  EXPECT_EQ(q.Box(), nullptr);
  ReplySigned(Gbk(kNew + "\r\n"));
  EXPECT_EQ(q.AnswerBox(), "更新成功");
  WaitFor([&] { return IsWindowEnabled(Control(tips, tip_window::kUpdateTipsButton)); },
          "the buttons enabled again");
}

}  // namespace e2e
