// "更新知识库": the tip file downloaded from the tips server, here a local
// HTTP server that the program reaches as its proxy.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <memory>

#include "../driver/controls.h"
#include "../driver/files.h"
#include "../driver/http_server.h"
#include "../driver/message_box.h"
#include "../driver/polling.h"
#include "../driver/text.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"
#include "tip_window.h"

namespace quorvane_e2e {
namespace {

constexpr char kUpdateSucceeded[] = "更新成功";
constexpr char kUpdateFailed[] = "更新失败！请检查网络连接或者联系Orvath。";
constexpr size_t kMaxTipFileBytes = 4 * 1024 * 1024;

const std::string kOldTip = "旧提示：按时服药。";
const std::string kOldTipFile = Gbk(kOldTip + "\r\n");

std::string LowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The address of a request line sent to a proxy ("GET <address> HTTP/1.1"),
// without the default port that WinINet may spell out.
std::string RequestedAddress(const std::string& requestLine) {
  const size_t start = requestLine.find(' ') + 1;
  std::string address = requestLine.substr(start, requestLine.rfind(' ') - start);
  const std::string scheme = "http://";
  if (address.starts_with(scheme)) {
    const size_t authorityEnd = address.find('/', scheme.size());
    const size_t defaultPort = address.rfind(":80", authorityEnd);
    if (defaultPort != std::string::npos && defaultPort + 3 == authorityEnd) address.erase(defaultPort, 3);
  }
  return address;
}

// The file system does not tell case, so neither does the comparison.
std::vector<std::string> LowerCaseFileNames(const ProgramFolder& folder) {
  std::vector<std::string> names = folder.FileNames();
  std::transform(names.begin(), names.end(), names.begin(), LowerCase);
  return names;
}

// The tips server, the program started with the old tip file and its tip
// window open.
class TipUpdateScene {
 public:
  TipUpdateScene() {
    StoreRecord(RecordWithoutReminder(true));
    run.Folder().WriteFile(ui::kTipFile, kOldTipFile);
    run.Start();
    run.WaitForMainWindow();
    tipWindow = WaitForTipWindow(run.ProcessId());
  }

  // Presses "更新知识库" and returns the text of the box that answers; the
  // box is closed again.
  std::string UpdateAndReadTheAnswer() const {
    PostClick(tipWindow, ui::kUpdateTips);
    const HWND box = WaitForMessageBox(run.ProcessId());
    EXPECT_EQ(WindowText(box), ui::kMessageBoxTitle);
    std::string text = MessageBoxText(box);
    PressOk(box);
    return text;
  }

  // Whether the server got exactly one request, for the tip file.
  ::testing::AssertionResult OneRequestForTheTipFile() const {
    const std::vector<std::string> requests = server.RequestLines();
    if (requests.size() == 1 && requests[0].starts_with("GET ") &&
        RequestedAddress(requests[0]) == ui::kTipDownloadAddress) {
      return ::testing::AssertionSuccess();
    }
    auto failure = ::testing::AssertionFailure() << requests.size() << " requests:";
    for (const std::string& request : requests) failure << " \"" << request << "\"";
    return failure;
  }

  std::string TipFileBytes() const {
    return ReadFileBytes(run.Folder().FilePath(ui::kTipFile)).value_or("(no tip file)");
  }

  LocalHttpServer server;
  const ProxyForStartedPrograms proxy{server.Address()};
  QuorvaneRun run;
  HWND tipWindow = nullptr;
};

TEST(TipUpdate, SuccessReplacesTheTipFileAndAddsTheNewTips) {
  const std::string newTips[] = {"新提示：定期复诊。", "新提示：注意休息。"};
  const std::string served = Gbk(newTips[0] + "\r\n" + newTips[1] + "\r\n");
  TipUpdateScene scene;
  ASSERT_EQ(TipShown(scene.tipWindow), kOldTip);
  scene.server.SetReply({200, served});
  EXPECT_EQ(scene.UpdateAndReadTheAnswer(), kUpdateSucceeded);
  EXPECT_TRUE(scene.OneRequestForTheTipFile());
  EXPECT_EQ(scene.TipFileBytes(), served);
  EXPECT_EQ(LowerCaseFileNames(scene.run.Folder()),
            (std::vector<std::string>{"quorvane.exe", "tipofday.txt"}));
  // The new tips join the one loaded when the window opened.
  const HWND tipWindow = scene.tipWindow;
  EXPECT_EQ(DrawDifferentTips(tipWindow, 3, [&] { PostClick(tipWindow, ui::kNextTip); }),
            (std::set<std::string>{kOldTip, newTips[0], newTips[1]}));
}

TEST(TipUpdate, FailureShowsTheFailureBoxAndLeavesTheTipFileAsItWas) {
  struct Failure {
    const char* name;
    HttpReply reply;
    bool refuse = false;
  };
  const Failure failures[] = {
      {"404 Not Found", {404, "<html>Not Found</html>"}},
      {"500 Internal Server Error", {500, Gbk("新提示：服务器出错。\r\n")}},
      {"empty body", {200, ""}},
      {"body cut off before its announced length", {200, Gbk("新提示：定期复诊。\r\n"), 4096}},
      {"body over the size limit", {200, std::string(kMaxTipFileBytes + 1, 'a')}},
      {"connection refused", {}, true},
  };
  for (const Failure& failure : failures) {
    SCOPED_TRACE(failure.name);
    TipUpdateScene scene;
    scene.server.SetReply(failure.reply);
    if (failure.refuse) scene.server.StopListening();
    EXPECT_EQ(scene.UpdateAndReadTheAnswer(), kUpdateFailed);
    EXPECT_EQ(scene.TipFileBytes(), kOldTipFile);
    EXPECT_EQ(LowerCaseFileNames(scene.run.Folder()),
              (std::vector<std::string>{"quorvane.exe", "tipofday.txt"}));
    if (!failure.refuse) {
      EXPECT_TRUE(scene.OneRequestForTheTipFile());
    }
    EXPECT_EQ(TipShown(scene.tipWindow), kOldTip);
  }
}

TEST(TipUpdate, BodyOfExactlyTheSizeLimitIsTaken) {
  // 16 bytes a line, so the lines fill the limit exactly.
  const std::string line = Gbk("新提示：喝水。\r\n");
  ASSERT_EQ(kMaxTipFileBytes % line.size(), 0u);
  std::string served;
  served.reserve(kMaxTipFileBytes);
  while (served.size() < kMaxTipFileBytes) served += line;
  TipUpdateScene scene;
  scene.server.SetReply({200, served});
  EXPECT_EQ(scene.UpdateAndReadTheAnswer(), kUpdateSucceeded);
  // Compared as a whole: GoogleTest would print all 4 MiB of a mismatch.
  EXPECT_TRUE(scene.TipFileBytes() == served) << "the tip file is not the served body";
}

TEST(TipUpdate, WindowAnswersButTakesNoCommandWhileDownloading) {
  TipUpdateScene scene;
  const HWND tipWindow = scene.tipWindow;
  LocalHttpServer& server = scene.server;
  server.SetReply({200, Gbk("新提示：定期复诊。\r\n")});
  server.Hold();
  PostClick(tipWindow, ui::kUpdateTips);
  ASSERT_TRUE(server.WaitForRequests(1)) << "no request came";
  for (const int button : {ui::kUpdateTips, ui::kTipOk, ui::kNextTip}) {
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(ControlWindow(tipWindow, button)); }))
        << "button " << button << " stays enabled during the download";
  }
  // Sent messages are answered while the download waits, and neither the
  // close box nor "确定" ends the window meanwhile.
  SendAndWait(tipWindow, WM_CLOSE, 0, 0);
  SendAndWait(tipWindow, WM_COMMAND, MAKEWPARAM(ui::kTipOk, BN_CLICKED),
              reinterpret_cast<LPARAM>(ControlWindow(tipWindow, ui::kTipOk)));
  EXPECT_TRUE(IsWindowVisible(tipWindow)) << "the tip window closed during the download";
  EXPECT_EQ(FindMessageBox(scene.run.ProcessId()), nullptr) << "a box came before the download ended";
  server.Release();
  const HWND box = WaitForMessageBox(scene.run.ProcessId());
  EXPECT_EQ(MessageBoxText(box), kUpdateSucceeded);
  PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(ControlWindow(tipWindow, ui::kUpdateTips)); }))
      << "the buttons stay disabled after the download";
}

}  // namespace
}  // namespace quorvane_e2e
