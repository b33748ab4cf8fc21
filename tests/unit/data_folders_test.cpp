#include "base/data_folders.h"

#include <gtest/gtest.h>

#include "fakes.h"
#include "guides/guide_documents.h"
#include "tips/tip_update.h"

namespace quorvane {
namespace {

constexpr std::string_view kProgram = "C:\\Program Files\\Quorvane";
constexpr std::string_view kUser = "C:\\Users\\p\\AppData\\Local\\Quorvane";
const std::string kShippedTips = kProgram.data() + std::string("\\TIPOFDAY.TXT");
const std::string kUserTips = kUser.data() + std::string("\\TIPOFDAY.TXT");

// A program folder installed by an administrator: readable, but nothing can
// be created or replaced in it. writableUser = false makes the user's
// folder fail too.
class ReadOnlyProgramFolder : public testing::MemoryFileSystem, public FolderAccess {
 public:
  bool writableUser = true;
  std::vector<std::string> created;

  bool AcceptsNewFiles(std::string_view folder) override { return folder != kProgram; }
  void CreateFolder(std::string_view folder) override { created.emplace_back(folder); }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override {
    return Allowed(path, error) && MemoryFileSystem::WriteAll(path, bytes, error);
  }
  bool ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error) override {
    return Allowed(path, error) && MemoryFileSystem::ReplaceAtomically(path, bytes, error);
  }

 private:
  bool Allowed(std::string_view path, FileError* error) {
    if (path.starts_with(kUser) ? writableUser : !path.starts_with(kProgram)) return true;
    error->description = "拒绝访问。";
    return false;
  }
};

struct DataFoldersFixture : ::testing::Test {
  ReadOnlyProgramFolder files;
  testing::GbkCodec gbk;
  testing::ScriptedRandom random{{0.99f}};  // the newest tip
  testing::RecordingLabel label;
  TipsOfTheDay tips{files, gbk, random, label};
  testing::RecordingBoxes boxes;
  DataFolders folders = ChooseDataFolders(kProgram, kUser, files);

  void Update(std::string body) {
    testing::FakeHttpClient http;
    http.response = {true, 200, std::move(body), true};
    UpdateTipFile({http, files, boxes, tips, "http://tips.invalid/dl/tipofday.txt", folders.writeTo});
  }
};

TEST_F(DataFoldersFixture, WritableProgramFolderIsUsedAloneAndNothingIsCreated) {
  struct : FolderAccess {
    bool AcceptsNewFiles(std::string_view) override { return true; }
    void CreateFolder(std::string_view) override { FAIL() << "no folder is created"; }
  } access;
  const DataFolders chosen = ChooseDataFolders(kProgram, kUser, access);
  EXPECT_EQ(chosen.writeTo, kProgram);
  EXPECT_EQ(chosen.readFrom, std::vector<std::string>{std::string(kProgram)});
}

TEST_F(DataFoldersFixture, UnwritableProgramFolderSendsWritesToTheCreatedUserFolder) {
  EXPECT_EQ(folders.writeTo, kUser);
  EXPECT_EQ(files.created, std::vector<std::string>{std::string(kUser)});
  testing::RecordingShell shell;
  EXPECT_EQ(WriteAndOpenGuide(kHandbook, "chm", folders.writeTo, files, shell), std::nullopt);
  EXPECT_EQ(files.Content(std::string(kUser) + "\\tkw.chm"), "chm");
  EXPECT_EQ(shell.opened, std::vector<std::string>{std::string(kUser) + "\\tkw.CHM"});
}

TEST_F(DataFoldersFixture, TipsComeFromTheUserFolderFirstThenBesideTheProgram) {
  files.Put(kShippedTips, "shipped");
  EXPECT_EQ(tips.LoadFromFolders(folders.readFrom).path, kShippedTips);
  EXPECT_EQ(label.text, "shipped");
  Update("downloaded");
  EXPECT_EQ(files.Content(kUserTips), "downloaded");
  EXPECT_EQ(files.Content(kShippedTips), "shipped");
  EXPECT_EQ(tips.LoadFromFolders(folders.readFrom).path, kUserTips);
  EXPECT_EQ(label.text, "downloaded");
}

TEST_F(DataFoldersFixture, WhenNeitherFolderTakesTheFileTheMessageNamesItAndTheOldOneStays) {
  files.Put(kUserTips, "old");
  files.writableUser = false;
  Update("new");
  const std::string target = std::string(kUser) + "\\tipofday.txt";
  EXPECT_EQ(boxes.shown, std::vector<std::string>{"无法写入文件 " + target + "\r\n\r\n拒绝访问。"});
  EXPECT_EQ(files.Content(kUserTips), "old");
}

}  // namespace
}  // namespace quorvane
