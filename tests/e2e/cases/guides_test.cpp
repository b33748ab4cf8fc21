// The two illness guides of the right tray menu: each is written beside the
// program exactly as the program file carries it, and handed to the viewer.
#include <gtest/gtest.h>

#include "../driver/build_outputs.h"
#include "../driver/controls.h"
#include "../driver/files.h"
#include "../driver/message_box.h"
#include "../driver/program_resources.h"
#include "../driver/shell_log.h"
#include "../driver/text.h"
#include "quorvane_run.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {
namespace {

struct Guide {
  const char* menuItem;
  int resourceId;
  const wchar_t* fileName;  // as written
  const wchar_t* openName;  // as handed to the shell
};

// Note the crossing: the first item carries resource 102.
const Guide kGuides[] = {
    {"英国重症肌无力指南", 102, L"qelmuEbook.chm", L"qelmuEbook.CHM"},
    {"台湾重症肌无力指南", 101, L"tkw.chm", L"tkw.CHM"},
};

// A time long past (1 January 2001), so a file written again shows.
constexpr unsigned long long kLongAgo = 125'911'584'000'000'000ull;

// The document's bytes as the program file carries them, checked against the
// document the build made.
std::string DocumentOf(const Guide& guide) {
  const ProgramResources program(ProgramUnderTest());
  const std::optional<std::string> carried =
      program.Bytes(L"CUSTOM", guide.resourceId, MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  if (!carried)
    throw std::runtime_error("the program file carries no CUSTOM " + std::to_string(guide.resourceId));
  if (carried != ReadFileBytes(BuiltAsset(guide.fileName))) {
    throw std::runtime_error("the program file's CUSTOM " + std::to_string(guide.resourceId) + " is not " +
                             Utf8(BuiltAsset(guide.fileName)));
  }
  return *carried;
}

// The message names the file, and says more after it: why it failed.
::testing::AssertionResult NamesTheFileAndAReason(const std::string& message, const std::string& file) {
  const size_t at = message.find(file);
  if (at == std::string::npos)
    return ::testing::AssertionFailure() << "not naming " << file << ": " << message;
  if (message.find_first_not_of(" \r\n", at + file.size()) == std::string::npos) {
    return ::testing::AssertionFailure() << "no reason after the file name: " << message;
  }
  return ::testing::AssertionSuccess();
}

// The program with its main window shown, no reminder and no tip window,
// and a fresh log of what it asks the shell to open.
class Guides : public ::testing::Test {
 protected:
  void SetUp() override { StoreRecord(RecordWithoutReminder(false)); }

  void Start() {
    run_.Start();
    run_.WaitForMainWindow();
  }

  std::string OpenedAs(const Guide& guide) const { return Utf8(run_.Folder().FilePath(guide.openName)); }
  std::optional<std::string> Written(const Guide& guide) const {
    return ReadFileBytes(run_.Folder().FilePath(guide.fileName));
  }

  // Chooses the guide's menu item and waits until the shell is asked to open
  // one more file; the expected address is kept for ExpectEverythingOpened.
  ::testing::AssertionResult ChooseAndWaitForOpen(const Guide& guide) {
    run_.ChooseFromTrayMenu(WM_RBUTTONUP, guide.menuItem);
    opened_.push_back(OpenedAs(guide));
    if (shellLog_.WaitForCount(opened_.size())) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "choice " << opened_.size() << " opened nothing";
  }
  // Every choice opened its own guide exactly once, in order.
  void ExpectEverythingOpened() const { EXPECT_EQ(shellLog_.WaitForEntries(opened_.size()), opened_); }

  const ShellOpenLog shellLog_;
  QuorvaneRun run_;
  std::vector<std::string> opened_;
};

TEST_F(Guides, EachItemWritesItsDocumentAndOpensItOnce) {
  Start();
  for (const Guide& guide : kGuides) {
    SCOPED_TRACE(guide.menuItem);
    ASSERT_TRUE(ChooseAndWaitForOpen(guide));
    EXPECT_TRUE(Written(guide) == DocumentOf(guide)) << "the written file is not the document";
  }
  ExpectEverythingOpened();
  // The documents stay after the program ends.
  run_.ChooseFromTrayMenu(WM_RBUTTONUP, "退出");
  ASSERT_TRUE(run_.Program().WaitForEnd());
  for (const Guide& guide : kGuides) EXPECT_TRUE(Written(guide) == DocumentOf(guide)) << guide.menuItem;
}

TEST_F(Guides, SecondChoiceOpensTheDocumentAgainWithoutWritingIt) {
  Start();
  for (const Guide& guide : kGuides) {
    SCOPED_TRACE(guide.menuItem);
    // The file is written before it is opened.
    ASSERT_TRUE(ChooseAndWaitForOpen(guide));
    const std::wstring file = run_.Folder().FilePath(guide.fileName);
    SetLastWriteTime(file, kLongAgo);
    ASSERT_TRUE(ChooseAndWaitForOpen(guide)) << "the second choice";
    EXPECT_EQ(LastWriteTime(file), kLongAgo) << "the unchanged document was written again";
    EXPECT_TRUE(Written(guide) == DocumentOf(guide)) << "the file is not the document";
  }
  ExpectEverythingOpened();
}

TEST_F(Guides, LongerStaleFileIsReplacedByExactlyTheDocument) {
  for (const Guide& guide : kGuides) {
    std::string stale = DocumentOf(guide);
    stale[stale.size() / 2] ^= 0x5A;
    stale += std::string(4096, 'x');
    run_.Folder().WriteFile(guide.fileName, stale);
  }
  Start();
  for (const Guide& guide : kGuides) {
    SCOPED_TRACE(guide.menuItem);
    ASSERT_TRUE(ChooseAndWaitForOpen(guide));
    EXPECT_TRUE(Written(guide) == DocumentOf(guide)) << "the file is not exactly the document";
  }
  ExpectEverythingOpened();
}

TEST_F(Guides, FileThatCannotBeWrittenIsReportedAndNothingIsOpened) {
  const std::string otherContent = "another program's file";
  for (const Guide& guide : kGuides) run_.Folder().WriteFile(guide.fileName, otherContent);
  Start();
  for (const Guide& guide : kGuides) {
    SCOPED_TRACE(guide.menuItem);
    const std::wstring file = run_.Folder().FilePath(guide.fileName);
    {
      // Held by another program that lets others read it, not write it.
      const HeldFile viewer(file, GENERIC_READ, FILE_SHARE_READ);
      run_.ChooseFromTrayMenu(WM_RBUTTONUP, guide.menuItem);
      const HWND box = WaitForMessageBox(run_.ProcessId());
      EXPECT_EQ(WindowText(box), ui::kMessageBoxTitle);
      EXPECT_TRUE(NamesTheFileAndAReason(MessageBoxText(box), Utf8(file)));
      PressOk(box);
      EXPECT_EQ(shellLog_.EntriesAfterAWhile(), opened_) << "a file that was not written was opened";
      EXPECT_EQ(Written(guide), otherContent);
    }
    // Once the file is free, the same item writes and opens it.
    ASSERT_TRUE(ChooseAndWaitForOpen(guide));
    EXPECT_TRUE(Written(guide) == DocumentOf(guide)) << "the file is not the document";
  }
  ExpectEverythingOpened();
}

}  // namespace
}  // namespace quorvane_e2e
