// The tip window's logic: the tip file, the draw and "更新知识库".
#include <gtest/gtest.h>

#include "fakes.h"
#include "tips/capped_body.h"
#include "tips/signature_verifier.h"
#include "tips/tip_file.h"
#include "tips/tip_list.h"
#include "tips/tip_random.h"
#include "tips/tip_texts.h"
#include "tips/tip_update.h"

namespace quorvane {
namespace {

using Lines = std::vector<std::string>;
using testing::GbkCodec;
using testing::ToGbk;

TEST(TipFile, SplitsLinesAtCrLfAndLoneCr) {
  // A final line end adds no tip, a line feed alone stays in the tip, a blank
  // line is an empty tip, and nothing is trimmed.
  // clang-format off
  const std::pair<std::string_view, Lines> cases[] = {
      {"", {}},                       {"one", {"one"}},               {"one\r\ntwo\r\n", {"one", "two"}},
      {"one\rtwo\r", {"one", "two"}}, {"one\ntwo\n", {"one\ntwo\n"}}, {"a\n\rb", {"a\n", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}}, {"\r\r\n\r", {"", "", ""}},     {" x \t\r\n", {" x \t"}}};
  // clang-format on
  for (const auto& [text, tips] : cases)
    EXPECT_EQ(SplitTipLines(text), tips) << ::testing::PrintToString(text);
}

TEST(TipFile, ReadsUtf8WhenMarkedOrValidElseTheAnsiCodePage) {
  const GbkCodec gbk;
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"\xEF\xBB\xBF强的松\r\n", "强的松\r\n"},               {"\xEF\xBB\xBF" "plain", "plain"},
      {"\xEF\xBB\xBF" "a\xFF" "b", "a\uFFFD" "b"},            {"激素要按医嘱服用", "激素要按医嘱服用"},
      {ToGbk("激素要按医嘱服用\r\n"), "激素要按医嘱服用\r\n"}, {ToGbk("强的松6片"), "强的松6片"},
      {"\xC0\x80", gbk.ToUtf8("\xC0\x80")},                   {"\xED\xA0\x80", gbk.ToUtf8("\xED\xA0\x80")},
      {"plain ASCII\r\n", "plain ASCII\r\n"}};
  // clang-format on
  for (const auto& [bytes, text] : cases)
    EXPECT_EQ(DecodeTipFile(bytes, gbk), text) << ::testing::PrintToString(bytes);
}

TEST(TipList, DrawsFloorOfCountTimesRPlusOneWithinTheList) {
  // The last two: an empty list draws 1, and a generator outside its range
  // still draws from the list.
  const float belowOne = std::nextafter(1.0f, 0.0f);
  const std::tuple<std::size_t, float, std::int32_t> cases[] = {
      {4, 0.0f, 1},     {4, 0.2499f, 1},        {4, 0.25f, 2}, {4, 0.75f, 4}, {4, belowOne, 4},
      {1, belowOne, 1}, {1000, belowOne, 1000}, {0, 0.7f, 1},  {4, 1.0f, 4}};
  for (const auto& [count, r, position] : cases) {
    TipList list;
    list.Append(Lines(count));
    testing::ScriptedRandom random({r});
    list.DrawRandom(random);
    EXPECT_EQ(list.CurrentIndex(), position) << count << " tips, r = " << r;
  }
}

TEST(TipRandom, TheLargestDrawStaysBelowOne) {
  EXPECT_EQ(UnitFromBits(0xFFFF'FFFF), std::nextafter(1.0f, 0.0f));
  EXPECT_EQ(UnitFromBits(0), 0.0f);
}

constexpr std::string_view kFolder = "C:\\Quorvane";
const std::string kTipFile = "C:\\Quorvane\\TIPOFDAY.TXT";

struct TipWindow : ::testing::Test {
  testing::FakeFileSystem files;
  testing::ScriptedRandom random{{0.0f, std::nextafter(1.0f, 0.0f)}};
  testing::RecordingLabel label;
  GbkCodec gbk;
  TipsOfTheDay tips{files, gbk, random, label};
};

TEST_F(TipWindow, EveryLoadAppendsTheFileAndAMissingFileExplainsWhereItBelongs) {
  files.files["c:\\quorvane\\tipofday.txt"] = ToGbk("第一条\r\n第二条\r\n第三条\r\n");  // any case
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::Loaded);
  EXPECT_EQ(label.text, "第一条");  // r = 0
  tips.LoadFromFolder(kFolder);
  EXPECT_EQ(label.text, "第三条");  // r just below 1 draws position 6
  files.files.clear();              // deleted while the program runs
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::NotFound);
  EXPECT_EQ(label.text,
            "文件 TIPOFDAY.TXT 没有被找到吗? \r\n\r\n"
            "创建文本文件名为 TIPOFDAY.TXT 使用记事本每行写一条提示。 然后将它存放在应用程序所在的目录 ");
  EXPECT_EQ(tips.Tips().Count(), 6u);
}

TEST_F(TipWindow, UnreadableOrOversizedFileIsReportedAndAddsNothing) {
  files.unreadable.insert(kTipFile);
  const std::pair<std::uint64_t, std::string> cases[] = {
      {3, "Access is denied."}, {64 * 1024 * 1024 + 1, "这个文件大于 64 MB，不是提示文件。"}};
  for (const auto& [size, why] : cases) {
    files.files[kTipFile] = std::string(size, 'x');
    const TipFileLoad load = tips.LoadFromFolder(kFolder);
    EXPECT_EQ(load.status, TipFileStatus::Unreadable);
    EXPECT_EQ(UnreadableTipFileText(kTipFile, load.reason),
              "无法读取提示文件 C:\\Quorvane\\TIPOFDAY.TXT\r\n\r\n" + why);
  }
  EXPECT_EQ(files.reads, 1);  // the oversized file is refused unread
  EXPECT_EQ(tips.Tips().Count(), 0u);
  EXPECT_EQ(label.text, "");
}

// Hands out a body in pieces, failing after some bytes, and counts what was
// asked of it.
struct PiecewiseSource : ByteSource {
  std::size_t total, piece, failAfter, delivered = 0;
  PiecewiseSource(std::size_t t, std::size_t p, std::size_t f) : total(t), piece(p), failAfter(f) {}
  std::optional<std::size_t> Read(std::span<char> buffer) override {
    if (delivered >= failAfter) return std::nullopt;
    const std::size_t n = std::min({buffer.size(), piece, total - delivered});
    delivered += n;
    return n;
  }
};

TEST(CappedBody, StopsOneBytePastTheLimit) {
  constexpr std::size_t kLimit = 100'000, kNever = SIZE_MAX, kMB = 1 << 20;
  using enum BodyEnd;
  // clang-format off
  const std::tuple<std::size_t, std::size_t, std::size_t, BodyEnd, std::size_t> cases[] = {
      {kLimit, 7, kNever, Complete, kLimit},            {kLimit + 1, 4096, kNever, TooLarge, kLimit + 1},
      {kLimit * 50, kMB, kNever, TooLarge, kLimit + 1}, {10'000, 1000, 3000, Broken, 3000}};
  // clang-format on
  for (const auto& [total, piece, failAfter, end, kept] : cases) {
    PiecewiseSource source(total, piece, failAfter);
    const CappedBody body = ReadCappedBody(source, kLimit);
    EXPECT_EQ(body.end, end) << total;
    EXPECT_EQ(body.bytes.size(), kept) << total;
    EXPECT_LE(source.delivered, kLimit + 1) << total;
  }
}

const std::string kOldFile = ToGbk("旧的一条\r\n旧的两条\r\n");
const std::string kSucceeded = "更新成功", kFailed = "更新失败！请检查网络连接或者联系Orvath。";
const std::string kNotSigned =
    "下载的知识库没有发布者的签名，可能被人改动过，所以没有使用。\r\n\r\n您原来的知识库已保留。";
constexpr std::size_t kLimit4MiB = 4 * 1024 * 1024;
HttpResponse Answer(int status, std::string body) { return {true, status, std::move(body), true}; }
// The publisher's signature of some bytes, short as a real one is.
std::string SignatureOf(std::string_view bytes) {
  return "signed " + std::to_string(std::hash<std::string_view>{}(bytes));
}
constexpr std::string_view kAddress = "http://tips.invalid/tipofday.txt";

struct FakeVerifier : SignatureVerifier {
  bool Verify(std::string_view data, std::string_view signature) override {
    return signature == SignatureOf(data);
  }
};

struct TipUpdate : TipWindow {
  testing::FakeHttpClient http;
  testing::RecordingBoxes boxes;
  FakeVerifier verifier;
  void SetUp() override {
    files.files[kTipFile] = kOldFile;
    tips.LoadFromFolder(kFolder);  // the open window: two tips, the first on show
  }
  // Serves a tip file and the publisher's signature of it.
  void Serve(std::string_view body) {
    http.response = Answer(200, std::string(body));
    http.signature = Answer(200, SignatureOf(body));
  }
  void Update(std::string_view folder = kFolder) {
    UpdateTipFile({http, files, boxes, tips, verifier, std::string(kAddress), std::string(folder)});
  }
};

TEST_F(TipUpdate, OnlyACompleteTwoHundredBodyWithinTheLimitReplacesTheFile) {
  // On success the served bytes replace the file and, once the box is closed,
  // a tip is drawn from the list with the new tips. After a failure the old
  // file is there byte for byte, and no other file. The network is blamed
  // only for a failed download; a file that cannot be written is named with
  // the reason.
  const std::string tip = "新的一条", marked = "\xEF\xBB\xBF新的一条", limit(kLimit4MiB, 'x');
  const std::string replaced = "box:更新成功 label:", failed = "box:" + kFailed,
                    unwritten = "box:无法写入文件 C:\\Quorvane\\tipofday.txt\r\n\r\n";
  enum Trouble { kNone, kDiskFull, kHeldOpen, kOutOfMemory };
  // clang-format off
  const std::tuple<std::string_view, HttpResponse, Trouble, std::string> cases[] = {
      {"200", Answer(200, marked), kNone, replaced + tip},
      {"299 of exactly the limit", Answer(299, limit), kNone, replaced + limit},
      {"refused connection", {}, kNone, failed},       {"transport failed, whole body", {false, 200, tip, true}, kNone, failed},
      {"status 0", Answer(0, ""), kNone, failed},      {"404", Answer(404, "<html>Not Found</html>"), kNone, failed},
      {"199", Answer(199, tip), kNone, failed},        {"300", Answer(300, tip), kNone, failed},
      {"empty body", Answer(200, ""), kNone, failed},  {"body cut short", {true, 200, tip, false}, kNone, failed},
      {"over the limit", Answer(200, limit + "x"), kNone, failed},
      {"disk full", Answer(200, tip), kDiskFull, unwritten + "磁盘空间不足。"},
      {"tip file held open", Answer(200, tip), kHeldOpen, unwritten + "另一个程序正在使用此文件，进程无法访问。"},
      {"out of memory", Answer(200, tip), kOutOfMemory, failed}};
  // clang-format on
  std::string journal;
  boxes.journal = label.journal = &journal;
  for (const auto& [what, response, trouble, expected] : cases) {
    files.files = {{kTipFile, kOldFile}};
    files.diskFull = trouble == kDiskFull;
    http.outOfMemory = trouble == kOutOfMemory;
    files.locked = trouble == kHeldOpen ? decltype(files.locked){kTipFile} : decltype(files.locked){};
    http.response = response, http.signature = Answer(200, SignatureOf(response.body)), journal.clear();
    Update();
    EXPECT_EQ(journal, expected) << what;
    const std::string file = expected.starts_with(replaced) ? response.body : kOldFile;
    EXPECT_EQ(files.files, (decltype(files.files){{kTipFile, file}})) << what;
  }
  EXPECT_EQ(http.asked.front().second, kLimit4MiB);
}

TEST_F(TipUpdate, OnlyThePublishersSignatureOfTheseVeryBytesLetsThemIn) {
  // The signature is fetched beside the file, under the same limit. A server
  // that answers without the right signature is not the network's fault.
  const std::string tip = "激素要按医嘱服用", good = SignatureOf(tip);
  // clang-format off
  const std::tuple<std::string_view, HttpResponse, std::string> cases[] = {
      {"signed", Answer(200, good), kSucceeded},            {"signed other bytes", Answer(200, SignatureOf("激素可以自己停")), kNotSigned},
      {"no signature", Answer(404, "Not Found"), kNotSigned}, {"404 though its body fits", Answer(404, good), kNotSigned},
      {"empty signature", Answer(200, ""), kNotSigned},     {"refused connection", {}, kFailed},
      {"status 0", Answer(0, good), kFailed},               {"signature cut short", {true, 200, good, false}, kFailed},
      {"over the limit", Answer(200, std::string(kLimit4MiB + 1, 'x')), kFailed}};
  // clang-format on
  for (const auto& [what, signature, box] : cases) {
    files.files = {{kTipFile, kOldFile}}, boxes.shown.clear(), http.asked.clear();
    http.response = Answer(200, tip), http.signature = signature;
    Update();
    EXPECT_EQ(boxes.shown, Lines{box}) << what;
    EXPECT_EQ(files.files.at(kTipFile), box == kSucceeded ? tip : kOldFile) << what;
    EXPECT_EQ(http.asked.back(), std::pair(std::string(kAddress) + ".sig", kLimit4MiB)) << what;
  }
}

TEST_F(TipUpdate, FailedReloadComesAfterTheSuccessBox) {
  Serve("新的一条\r\n");
  files.unreadable.insert(kTipFile);
  Update();
  EXPECT_EQ(boxes.shown, (Lines{kSucceeded, kFailed}));
  EXPECT_EQ(files.files.at(kTipFile), "新的一条\r\n");
}

// A program folder that takes files is the only one; one that takes none (as
// Program Files for a standard user) sends the tips to the created user folder.
struct TipsOutsideTheProgramFolder : TipUpdate {
  const std::string user = "C:\\Users\\p\\AppData\\Local\\Quorvane", downloaded = user + "\\tipofday.txt";
  void SetUp() override {}
  DataFolders Folders() { return ChooseDataFolders(kFolder, user, files); }
};

TEST_F(TipsOutsideTheProgramFolder, ComeFromTheUserFolderFirstThenBesideTheProgram) {
  const DataFolders alone = Folders();
  EXPECT_EQ(alone.writeTo, kFolder);
  EXPECT_EQ(alone.readFrom, Lines{std::string(kFolder)});
  files.refusing = {std::string(kFolder)};
  files.files[kTipFile] = "shipped";
  EXPECT_EQ(tips.LoadFromFolders(Folders().readFrom).path, kTipFile);
  EXPECT_EQ(files.created, Lines{user});
  Serve("downloaded");
  Update(Folders().writeTo);
  EXPECT_EQ(files.files.at(downloaded), "downloaded");
  EXPECT_EQ(files.files.at(kTipFile), "shipped");
  EXPECT_EQ(label.text, "downloaded");  // r just below 1: the newest tip
  EXPECT_EQ(tips.LoadFromFolders(Folders().readFrom).path, user + "\\TIPOFDAY.TXT");
}

}  // namespace
}  // namespace quorvane
