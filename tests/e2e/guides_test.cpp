// The two illness guides of the right tray menu: written beside the program
// exactly as built, then handed to the viewer.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

const char kFirst[] = "英国重症肌无力指南";  // carries qelmuEbook.chm, opened as qelmuEbook.CHM

class Guides : public testing::Test {
 protected:
  void SetUp() override { q.StartQuiet(); }
  std::string Path(const char* name) const { return Utf8(q.File(name).wstring()); }
  Quorvane q;
};

TEST_F(Guides, EachGuideIsWrittenExactlyOverALongerStaleFileAndOpened) {
  WriteBytes(q.File("qelmuEbook.chm"), std::string(2 * fs::file_size(Asset("qelmuEbook.chm")), 'x'));
  q.Choose(WM_RBUTTONUP, kFirst, [] { return ShellLog().size() == 1; });
  q.Choose(WM_RBUTTONUP, "台湾重症肌无力指南", [] { return ShellLog().size() == 2; });
  EXPECT_EQ(ShellLog(), (std::vector<std::string>{Path("qelmuEbook.CHM"), Path("tkw.CHM")}));
  EXPECT_TRUE(ReadBytes(q.File("qelmuEbook.chm")) == ReadBytes(Asset("qelmuEbook.chm")));
  EXPECT_TRUE(ReadBytes(q.File("tkw.chm")) == ReadBytes(Asset("tkw.chm")));
}

TEST_F(Guides, FileThatCannotBeWrittenIsReportedWithTheReason) {
  WriteBytes(q.File("qelmuEbook.chm"), "another program's file");
  {
    const auto viewer = HoldFile(q.File("qelmuEbook.chm"), GENERIC_READ, FILE_SHARE_READ);
    q.Choose(WM_RBUTTONUP, kFirst, [&] { return q.Box(); });
    const std::string message = q.AnswerBox(), file = Path("qelmuEbook.chm");
    ASSERT_NE(message.find(file), std::string::npos) << message;
    EXPECT_NE(message.find_first_not_of(" \r\n", message.find(file) + file.size()), std::string::npos)
        << "no reason after the file name: " << message;
  }
  EXPECT_EQ(ReadBytes(q.File("qelmuEbook.chm")), "another program's file");
}

}  // namespace e2e
