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

TEST_F(Guide, OnlyAnUnwritableProgramFolderSendsThemToTheCreatedUserFolder) {
  const std::string user = "C:\\Users\\p\\AppData\\Local\\Quorvane";
  const DataFolders alone = ChooseDataFolders(kFolder, user, files);
  EXPECT_EQ(alone.writeTo, kFolder);
  EXPECT_EQ(alone.readFrom, std::vector<std::string>{std::string(kFolder)});
  EXPECT_EQ(files.created.size(), 0u);
  files.refusing = {std::string(kFolder)};
  const DataFolders folders = ChooseDataFolders(kFolder, user, files);
  EXPECT_EQ(files.created, std::vector<std::string>{user});
  EXPECT_EQ(WriteAndOpenGuide(kHandbook, kDocument, folders.writeTo, files, shell), std::nullopt);
  EXPECT_EQ(files.files.at(user + "\\tkw.chm"), kDocument);
  EXPECT_EQ(shell.opened, std::vector<std::string>{user + "\\tkw.CHM"});
}

}  // namespace
}  // namespace quorvane
