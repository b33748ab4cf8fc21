// The tip window's logic: the tip file, the draw, and "更新知识库".
#include <gtest/gtest.h>

#include "fakes.h"
#include "tips/capped_body.h"
#include "tips/tip_file.h"
#include "tips/tip_list.h"
#include "tips/tip_random.h"
#include "tips/tip_texts.h"
#include "tips/tip_update.h"

namespace quorvane {
namespace {

using Lines = std::vector<std::string>;

TEST(TipFile, SplitsLinesAtCrLfAndLoneCr) {
  const struct {
    std::string_view text;
    Lines tips;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo\r\n", {"one", "two"}},  // a final line end adds no tip
      {"one\rtwo\r", {"one", "two"}},
      {"one\ntwo\n", {"one\ntwo\n"}},  // a line feed alone stays in the tip
      {"a\n\rb", {"a\n", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},  // a blank line is an empty tip
      {"\r\r\n\r", {"", "", ""}},
      {"  spaced  \t\r\n", {"  spaced  \t"}},  // nothing is trimmed
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTipLines(c.text), c.tips) << ::testing::PrintToString(c.text);
}

TEST(TipFile, ReadsUtf8WhenMarkedOrValidElseTheAnsiCodePage) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"\xEF\xBB\xBF强的松\r\n", "强的松\r\n"},  // mark dropped
      {"\xEF\xBB\xBF"
       "plain",
       "plain"},  // marked ASCII
      {"\xEF\xBB\xBF"
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},                                     // marked but damaged
      {"激素要按医嘱服用", "激素要按医嘱服用"},  // unmarked valid UTF-8
      {testing::ToGbk("激素要按医嘱服用\r\n"), "激素要按医嘱服用\r\n"},
      {testing::ToGbk("强的松6片"), "强的松6片"},
      {"\xC0\x80", testing::GbkCodec{}.ToUtf8("\xC0\x80")},          // overlong: not UTF-8
      {"\xED\xA0\x80", testing::GbkCodec{}.ToUtf8("\xED\xA0\x80")},  // surrogate: not UTF-8
      {"plain ASCII\r\n", "plain ASCII\r\n"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecodeTipFile(c.bytes, testing::GbkCodec{}), c.text) << ::testing::PrintToString(c.bytes);
}

TEST(TipList, DrawsFloorOfCountTimesRPlusOneWithinTheList) {
  const float belowOne = std::nextafter(1.0f, 0.0f);
  const struct {
    std::size_t count;
    float r;
    std::int32_t index;
  } cases[] = {
      {4, 0.0f, 1},     {4, 0.2499f, 1},        {4, 0.25f, 2}, {4, 0.75f, 4}, {4, belowOne, 4},
      {1, belowOne, 1}, {1000, belowOne, 1000}, {0, 0.7f, 1},  // an empty list draws position 1
  };
  for (const auto& c : cases) {
    TipList list;
    list.Append(Lines(c.count));
    testing::ScriptedRandom random({c.r});
    list.DrawRandom(random);
    EXPECT_EQ(list.CurrentIndex(), c.index) << c.count << " tips, r = " << c.r;
  }
}

TEST(TipRandom, SeedingAgainStartsTheSequenceAfresh) {
  const auto draws = [](std::uint64_t seed) {
    TipRandom random;
    random.Seed(seed);
    std::vector<float> values(20);
    for (float& value : values) value = random.NextUnit();
    return values;
  };
  EXPECT_EQ(draws(0x1234'5678'9ABC'DEF0), draws(0x1234'5678'9ABC'DEF0));
  // The upper half of the seed counts too: timer values differ there.
  EXPECT_NE(draws(0x1234'5679'9ABC'DEF0), draws(0x1234'5678'9ABC'DEF0));
}

constexpr std::string_view kFolder = "C:\\Quorvane";
constexpr std::string_view kTipFile = "C:\\Quorvane\\TIPOFDAY.TXT";

struct TipWindow : ::testing::Test {
  testing::FakeFileSystem files;
  testing::ScriptedRandom random{{0.0f, 0.99f}};
  testing::RecordingLabel label;
  testing::GbkCodec gbk;
  TipsOfTheDay tips{files, gbk, random, label};
};

TEST_F(TipWindow, LoadsTheFileWhateverTheCaseOfItsNameAndShowsARandomTip) {
  files.files["c:\\quorvane\\tipofday.txt"] = testing::ToGbk("第一条\r\n第二条\r\n第三条\r\n");
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::Loaded);
  EXPECT_EQ(label.text, "第一条");  // r = 0
  tips.ShowRandomTip();
  EXPECT_EQ(label.text, "第三条");  // r = 0.99
}

TEST_F(TipWindow, EveryLoadAppendsTheFileAgain) {
  files.files[std::string(kTipFile)] = "a\r\nb";
  for (std::size_t opening = 1; opening <= 3; ++opening) {
    tips.LoadFromFolder(kFolder);
    EXPECT_EQ(tips.Tips().Count(), 2 * opening);
  }
}

TEST_F(TipWindow, MissingFileExplainsWhereItBelongsAndKeepsEarlierTips) {
  files.files[std::string(kTipFile)] = "kept";
  tips.LoadFromFolder(kFolder);
  files.files.clear();  // deleted while the program runs
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::NotFound);
  EXPECT_EQ(label.text,
            "文件 TIPOFDAY.TXT 没有被找到吗? \r\n\r\n"
            "创建文本文件名为 TIPOFDAY.TXT 使用记事本每行写一条提示。 然后将它存放在应用程序所在的目录 ");
  tips.ShowRandomTip();
  EXPECT_EQ(label.text, "kept");
}

TEST_F(TipWindow, UnreadableFileReportsWhyAndAddsNothing) {
  files.files[std::string(kTipFile)] = "tip";
  files.unreadable.insert(std::string(kTipFile));
  const TipFileLoad load = tips.LoadFromFolder(kFolder);
  EXPECT_EQ(load.status, TipFileStatus::Unreadable);
  EXPECT_EQ(tips.Tips().Count(), 0u);
  EXPECT_EQ(label.changes, 0);
  EXPECT_EQ(UnreadableTipFileText(kTipFile, load.reason),
            "无法读取提示文件 C:\\Quorvane\\TIPOFDAY.TXT\r\n\r\nAccess is denied.");
}

TEST_F(TipWindow, EmptyFileOrPathShowsNothing) {
  files.files[std::string(kTipFile)] = "";
  EXPECT_EQ(tips.LoadFromFolder(kFolder).status, TipFileStatus::Loaded);
  EXPECT_EQ(tips.LoadTips("").status, TipFileStatus::NotFound);
  tips.ShowRandomTip();
  EXPECT_EQ(label.changes, 0);
}

// Hands out a body in pieces, optionally failing after some bytes, and counts
// what was asked of it.
struct PiecewiseSource : ByteSource {
  std::size_t total, piece, failAfter, delivered = 0;
  PiecewiseSource(std::size_t t, std::size_t p, std::size_t f) : total(t), piece(p), failAfter(f) {}
  std::optional<std::size_t> Read(std::span<char> buffer) override {
    if (delivered >= failAfter) return std::nullopt;
    const std::size_t n = std::min({buffer.size(), piece, total - delivered});
    std::fill_n(buffer.data(), n, 'a');
    delivered += n;
    return n;
  }
};

TEST(CappedBody, StopsOneBytePastTheLimit) {
  constexpr std::size_t kLimit = 100'000;
  const struct {
    std::size_t total, piece, failAfter;
    BodyEnd end;
    std::size_t kept;
  } cases[] = {
      {0, 4096, SIZE_MAX, BodyEnd::Complete, 0},
      {kLimit, 7, SIZE_MAX, BodyEnd::Complete, kLimit},
      {kLimit, 1 << 20, SIZE_MAX, BodyEnd::Complete, kLimit},
      {kLimit + 1, 4096, SIZE_MAX, BodyEnd::TooLarge, kLimit + 1},
      {kLimit * 50, 1 << 20, SIZE_MAX, BodyEnd::TooLarge, kLimit + 1},
      {10'000, 1000, 3000, BodyEnd::Broken, 3000},
  };
  for (const auto& c : cases) {
    PiecewiseSource source(c.total, c.piece, c.failAfter);
    const CappedBody body = ReadCappedBody(source, kLimit);
    EXPECT_EQ(body.end, c.end) << c.total;
    EXPECT_EQ(body.bytes.size(), c.kept) << c.total;
    EXPECT_LE(source.delivered, kLimit + 1) << c.total;
  }
}

const std::string kOldFile = testing::ToGbk("旧的一条\r\n旧的两条\r\n");
HttpResponse Answer(int status, std::string body) { return {true, status, std::move(body), true}; }

struct TipUpdate : TipWindow {
  testing::FakeHttpClient http;
  testing::RecordingBoxes boxes;
  void SetUp() override {
    files.files[std::string(kTipFile)] = kOldFile;
    tips.LoadFromFolder(kFolder);  // the open window: two tips, the first on show
  }
  void Update() {
    UpdateTipFile(
        {http, files, boxes, tips, "http://tips.example.invalid/tipofday.txt", std::string(kFolder)});
  }
};

TEST_F(TipUpdate, SuccessReplacesTheFileWithTheServedBytesAndAppendsTheTips) {
  const std::string served = "\xEF\xBB\xBF新的一条\r\n新的两条\r\n新的三条";
  http.response = Answer(200, served);
  Update();
  EXPECT_EQ(http.requested, Lines{"http://tips.example.invalid/tipofday.txt"});
  EXPECT_EQ(http.limit, kMaxTipFileBytes);
  EXPECT_EQ(files.files.at(std::string(kTipFile)), served);
  EXPECT_EQ(boxes.shown, Lines{std::string(kTipUpdateSucceeded)});
  EXPECT_EQ(tips.Tips().Count(), 5u);  // the old tips stay in the list
  EXPECT_EQ(label.text, "新的三条");   // r = 0.99 draws from the whole list
}

TEST_F(TipUpdate, AnyTwoHundredStatusAndABodyOfExactlyTheLimitSucceed) {
  for (const int status : {200, 203, 299}) {
    http.response = Answer(status, std::string(kMaxTipFileBytes, 'x'));
    boxes.shown.clear();
    Update();
    EXPECT_EQ(boxes.shown, Lines{std::string(kTipUpdateSucceeded)}) << status;
  }
}

TEST_F(TipUpdate, EveryFailureIsReportedAndLeavesTheOldFileWhole) {
  // The network is blamed only when the download failed; a file that cannot
  // be written is named with the reason.
  const std::string cannotWrite =
      "无法写入文件 C:\\Quorvane\\tipofday.txt\r\n\r\n另一个程序正在使用此文件，进程无法访问。";
  const struct {
    std::string_view what;
    HttpResponse response;
    bool diskFull = false, heldOpen = false;
  } cases[] = {
      {"refused connection", {}},
      {"transport failed after a whole body", {false, 200, "新的一条\r\n", true}},
      {"silent server, status 0", Answer(0, "")},
      {"404", Answer(404, "<html>Not Found</html>")},
      {"301 not followed", Answer(301, "<html>Moved</html>")},
      {"199", Answer(199, "新的一条\r\n")},
      {"300", Answer(300, "新的一条\r\n")},
      {"empty body", Answer(200, "")},
      {"body cut short", {true, 200, "新的一", false}},
      {"whole body over the limit", Answer(200, std::string(kMaxTipFileBytes + 1, 'x'))},
      {"disk full", Answer(200, "新的一条\r\n"), true},
      {"tip file held open", Answer(200, "新的一条\r\n"), false, true},
  };
  for (const auto& c : cases) {
    http.response = c.response;
    files.diskFull = c.diskFull;
    files.locked = {};
    if (c.heldOpen) files.locked.insert(std::string(kTipFile));
    boxes.shown.clear();
    const std::string labelBefore = label.text;
    Update();
    const bool writeFailed = c.diskFull || c.heldOpen;
    EXPECT_EQ(boxes.shown, Lines{writeFailed ? cannotWrite : std::string(kTipUpdateFailed)}) << c.what;
    EXPECT_EQ(files.files, (decltype(files.files){{std::string(kTipFile), kOldFile}})) << c.what;
    EXPECT_EQ(tips.Tips().Count(), 2u) << c.what;
    EXPECT_EQ(label.text, labelBefore) << c.what;
  }
}

TEST_F(TipUpdate, FailedReloadComesAfterTheSuccessBox) {
  http.response = Answer(200, "新的一条\r\n");
  files.unreadable.insert(std::string(kTipFile));
  Update();
  EXPECT_EQ(boxes.shown, (Lines{std::string(kTipUpdateSucceeded), std::string(kTipUpdateFailed)}));
  EXPECT_EQ(files.files.at(std::string(kTipFile)), "新的一条\r\n");
}

// The program folder takes no files: the tips go to the user's folder.
struct TipsOutsideTheProgramFolder : ::testing::Test {
  testing::ReadOnlyProgramFolder files;
  testing::ScriptedRandom random{{0.99f}};  // the newest tip
  testing::RecordingLabel label;
  testing::GbkCodec gbk;
  TipsOfTheDay tips{files, gbk, random, label};
  testing::RecordingBoxes boxes;
  const DataFolders folders = ChooseDataFolders(files.kProgram, files.kUser, files);
  const std::string shipped = std::string(files.kProgram) + "\\TIPOFDAY.TXT";
  const std::string downloaded = std::string(files.kUser) + "\\tipofday.txt";

  void Update(std::string body) {
    testing::FakeHttpClient http;
    http.response = Answer(200, std::move(body));
    UpdateTipFile({http, files, boxes, tips, "http://tips.example.invalid/tipofday.txt", folders.writeTo});
  }
};

TEST_F(TipsOutsideTheProgramFolder, ComeFromTheUserFolderFirstThenBesideTheProgram) {
  files.files[shipped] = "shipped";
  EXPECT_EQ(tips.LoadFromFolders(folders.readFrom).path, shipped);
  Update("downloaded");
  EXPECT_EQ(files.files.at(downloaded), "downloaded");
  EXPECT_EQ(files.files.at(shipped), "shipped");
  EXPECT_EQ(label.text, "downloaded");
  EXPECT_EQ(tips.LoadFromFolders(folders.readFrom).path, std::string(files.kUser) + "\\TIPOFDAY.TXT");
}

TEST_F(TipsOutsideTheProgramFolder, WhenNeitherFolderTakesTheFileTheMessageNamesItAndTheOldOneStays) {
  files.files[downloaded] = "old";
  files.userFolderFull = true;
  Update("new");
  EXPECT_EQ(boxes.shown, Lines{"无法写入文件 " + downloaded + "\r\n\r\n拒绝访问。"});
  EXPECT_EQ(files.files.at(downloaded), "old");
}

}  // namespace
}  // namespace quorvane
