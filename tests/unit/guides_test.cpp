// Writing a guide out beside the program, or into the user's folder when the
// program folder takes no files, and handing it to the viewer.
#include <gtest/gtest.h>

#include "fakes.h"
#include "guides/guide_documents.h"

namespace quorvane {
namespace {

constexpr std::string_view kFolder = "C:\\Q";
const std::string kDocument = std::string("ITSF\x03\0\0\0", 8) + "document body";

struct Guide : ::testing::Test {
  testing::FakeFileSystem files;
  testing::RecordingShell shell;
};

TEST_F(Guide, WritesExactlyTheDocumentOverAnyStaleFileAndOpensIt) {
  const std::tuple<const GuideDocument&, std::string, std::string> cases[] = {
      {kGeneralGuide, "C:\\Q\\qelmuEbook.chm", "C:\\Q\\qelmuEbook.CHM"},
      {kHandbook, "C:\\Q\\tkw.chm", "C:\\Q\\tkw.CHM"}};
  for (const auto& [guide, written, opened] : cases) {
    files.files[written] = kDocument + "longer stale bytes past the end";
    EXPECT_EQ(WriteAndOpenGuide(guide, kDocument, kFolder, files, shell), std::nullopt);
    EXPECT_EQ(files.files.at(written), kDocument);
    EXPECT_EQ(files.reads, 0);  // a file of another size is not read to compare
    EXPECT_EQ(shell.opened.back(), opened);
  }
}

TEST_F(Guide, AFileHeldOpenByTheViewerIsLeftAloneWhenIdenticalElseReported) {
  const std::string path = "C:\\Q\\qelmuEbook.chm";
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {kDocument, std::nullopt},
      {"other content", "无法写入文件 " + path + "\r\n\r\n另一个程序正在使用此文件，进程无法访问。"}};
  for (const auto& [present, message] : cases) {
    files.files[path] = present, files.locked = {path}, shell.opened.clear();
    EXPECT_EQ(WriteAndOpenGuide(kGeneralGuide, kDocument, kFolder, files, shell), message);
    EXPECT_EQ(files.files.at(path), present);
    EXPECT_EQ(shell.opened.size(), message ? 0u : 1u);  // nothing opened after a failure
  }
}

TEST(DataFolders, WritableProgramFolderIsUsedAloneAndNothingIsCreated) {
  struct : FolderAccess {
    bool AcceptsNewFiles(std::string_view) override { return true; }
    void CreateFolder(std::string_view) override { FAIL() << "no folder is created"; }
  } writable;
  const DataFolders folders = ChooseDataFolders(kFolder, "C:\\Users\\p\\AppData\\Local\\Quorvane", writable);
  EXPECT_EQ(folders.writeTo, kFolder);
  EXPECT_EQ(folders.readFrom, std::vector<std::string>{std::string(kFolder)});
}

TEST(DataFolders, UnwritableProgramFolderSendsGuidesToTheCreatedUserFolder) {
  testing::ReadOnlyProgramFolder files;
  testing::RecordingShell shell;
  const std::string user(files.kUser);
  const DataFolders folders = ChooseDataFolders(files.kProgram, user, files);
  EXPECT_EQ(files.created, std::vector<std::string>{user});
  EXPECT_EQ(WriteAndOpenGuide(kHandbook, kDocument, folders.writeTo, files, shell), std::nullopt);
  EXPECT_EQ(files.files.at(user + "\\tkw.chm"), kDocument);
  EXPECT_EQ(shell.opened, std::vector<std::string>{user + "\\tkw.CHM"});
}

}  // namespace
}  // namespace quorvane
