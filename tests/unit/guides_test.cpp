// Writing a guide out beside the program, or into the user's folder when the
// program folder takes no files, and handing it to the viewer.
#include <gtest/gtest.h>

#include "fakes.h"
#include "guides/guide_documents.h"

namespace quorvane {
namespace {

constexpr std::string_view kFolder = "C:\\Program Files\\Quorvane";
const std::string kDocument = std::string("ITSF\x03\0\0\0", 8) + "document body";

struct Guide : ::testing::Test {
  testing::FakeFileSystem files;
  testing::RecordingShell shell;
};

TEST_F(Guide, WritesExactlyTheDocumentOverAnyStaleFileAndOpensIt) {
  const struct {
    const GuideDocument& guide;
    std::string written, opened;
  } cases[] = {
      {kGeneralGuide, "C:\\Program Files\\Quorvane\\qelmuEbook.chm",
       "C:\\Program Files\\Quorvane\\qelmuEbook.CHM"},
      {kHandbook, "C:\\Program Files\\Quorvane\\tkw.chm", "C:\\Program Files\\Quorvane\\tkw.CHM"},
  };
  for (const auto& c : cases) {
    files.files[c.written] = kDocument + "longer stale bytes past the end";
    EXPECT_EQ(WriteAndOpenGuide(c.guide, kDocument, kFolder, files, shell), std::nullopt);
    EXPECT_EQ(files.files.at(c.written), kDocument);
    EXPECT_EQ(shell.opened.back(), c.opened);
  }
}

TEST_F(Guide, LeavesAnIdenticalFileAloneSoAnOpenViewerDoesNotBlockIt) {
  const std::string path = "C:\\Program Files\\Quorvane\\qelmuEbook.chm";
  files.files[path] = kDocument;
  files.locked.insert(path);
  EXPECT_EQ(WriteAndOpenGuide(kGeneralGuide, kDocument, kFolder, files, shell), std::nullopt);
  EXPECT_EQ(files.writes, 0);
  EXPECT_EQ(shell.opened.size(), 1u);
}

TEST_F(Guide, NamesTheFileAndTheReasonAndOpensNothingWhenItCannotBeWritten) {
  const std::string path = "C:\\Program Files\\Quorvane\\qelmuEbook.chm";
  files.files[path] = "other content";
  files.locked.insert(path);
  EXPECT_EQ(WriteAndOpenGuide(kGeneralGuide, kDocument, kFolder, files, shell),
            "无法写入文件 " + path + "\r\n\r\n另一个程序正在使用此文件，进程无法访问。");
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(files.files.at(path), "other content");
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
