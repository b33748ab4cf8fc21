// Writing a guide over a file the viewer holds open. (Which folder it goes to
// is the tips' test; the exact bytes and the names opened, the end-to-end one.)
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
  EXPECT_EQ(files.reads, 1);  // a file of another size is not read to compare
}

}  // namespace
}  // namespace quorvane
