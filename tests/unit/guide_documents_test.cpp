#include "guides/guide_documents.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace quorvane {
namespace {

using testing::FakeFileSystem;
using testing::RecordingShell;

constexpr std::string_view kFolder = "C:\\Program Files\\Quorvane";
const std::string kDocument = std::string("ITSF\x03\0\0\0", 8) + "document body";

TEST(WriteAndOpenGuide, WritesTheDocumentBesideTheProgramAndOpensIt) {
  FakeFileSystem files;
  RecordingShell shell;
  EXPECT_EQ(WriteAndOpenGuide(kGeneralGuide, kDocument, kFolder, files, shell), std::nullopt);
  EXPECT_EQ(files.files.at("C:\\Program Files\\Quorvane\\qelmuEbook.chm"), kDocument);
  EXPECT_EQ(shell.opened, std::vector<std::string>{"C:\\Program Files\\Quorvane\\qelmuEbook.CHM"});

  EXPECT_EQ(WriteAndOpenGuide(kHandbook, kDocument, kFolder, files, shell), std::nullopt);
  EXPECT_EQ(files.files.at("C:\\Program Files\\Quorvane\\tkw.chm"), kDocument);
  EXPECT_EQ(shell.opened.back(), "C:\\Program Files\\Quorvane\\tkw.CHM");
}

TEST(WriteAndOpenGuide, ReplacesALongerStaleFileWithExactlyTheDocument) {
  FakeFileSystem files;
  RecordingShell shell;
  files.files["C:\\Program Files\\Quorvane\\tkw.chm"] = kDocument + "stale bytes past the end";
  WriteAndOpenGuide(kHandbook, kDocument, kFolder, files, shell);
  EXPECT_EQ(files.files.at("C:\\Program Files\\Quorvane\\tkw.chm"), kDocument);
}

TEST(WriteAndOpenGuide, LeavesAnIdenticalFileAloneSoAnOpenViewerDoesNotBlockIt) {
  FakeFileSystem files;
  RecordingShell shell;
  const std::string path = "C:\\Program Files\\Quorvane\\qelmuEbook.chm";
  files.files[path] = kDocument;
  files.lockedPaths = {path};
  EXPECT_EQ(WriteAndOpenGuide(kGeneralGuide, kDocument, kFolder, files, shell), std::nullopt);
  EXPECT_EQ(files.writes, 0);
  EXPECT_EQ(shell.opened.size(), 1u);
}

TEST(WriteAndOpenGuide, NamesTheFileAndOpensNothingWhenItCannotBeWritten) {
  FakeFileSystem files;
  RecordingShell shell;
  const std::string path = "C:\\Program Files\\Quorvane\\qelmuEbook.chm";
  files.files[path] = "other content";
  files.lockedPaths = {path};
  const auto message = WriteAndOpenGuide(kGeneralGuide, kDocument, kFolder, files, shell);
  ASSERT_TRUE(message.has_value());
  EXPECT_NE(message->find(path), std::string::npos);
  EXPECT_NE(message->find("另一个程序正在使用此文件"), std::string::npos);
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_EQ(files.files.at(path), "other content");
}

}  // namespace
}  // namespace quorvane
