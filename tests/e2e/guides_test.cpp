// The two illness guides of the right tray menu: written beside the program
// exactly as built, then handed to the viewer.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

const char kFirst[] = "英国重症肌无力指南";  // carries qelmuEbook.chm, opened as qelmuEbook.CHM

class Guides : public testing::Test {
 protected:
  void Start() {
    SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|0");
    q.Start();
    q.WaitForMain();
  }
  std::string Opened(const char* name) const { return Utf8(q.File(name).wstring()); }
  Quorvane q;
};

TEST_F(Guides, EachGuideIsWrittenExactlyOverALongerStaleFileAndOpened) {
  WriteBytes(q.File("qelmuEbook.chm"), std::string(2 * fs::file_size(Asset("qelmuEbook.chm")), 'x'));
  Start();
  q.Choose(WM_RBUTTONUP, kFirst, [] { return ShellLog().size() == 1; });
  q.Choose(WM_RBUTTONUP, "台湾重症肌无力指南", [] { return ShellLog().size() == 2; });
  EXPECT_EQ(ShellLog(), (std::vector<std::string>{Opened("qelmuEbook.CHM"), Opened("tkw.CHM")}));
  EXPECT_TRUE(ReadBytes(q.File("qelmuEbook.chm")) == ReadBytes(Asset("qelmuEbook.chm")));
  EXPECT_TRUE(ReadBytes(q.File("tkw.chm")) == ReadBytes(Asset("tkw.chm")));
}

TEST_F(Guides, IdenticalFileIsNotWrittenAgain) {
  fs::copy_file(Asset("qelmuEbook.chm"), q.File("qelmuEbook.chm"));
  fs::last_write_time(q.File("qelmuEbook.chm"), fs::file_time_type::clock::now() - 24h * 3650);
  const auto longAgo = fs::last_write_time(q.File("qelmuEbook.chm"));
  Start();
  q.Choose(WM_RBUTTONUP, kFirst, [] { return ShellLog().size() == 1; });
  EXPECT_EQ(fs::last_write_time(q.File("qelmuEbook.chm")), longAgo);
}

TEST_F(Guides, FileThatCannotBeWrittenIsReportedAndNothingOpened) {
  WriteBytes(q.File("qelmuEbook.chm"), "another program's file");
  Start();
  {
    const auto viewer = HoldFile(q.File("qelmuEbook.chm"), GENERIC_READ, FILE_SHARE_READ);
    q.Choose(WM_RBUTTONUP, kFirst, [&] { return q.Box(); });
    const std::string message = q.AnswerBox(), file = Opened("qelmuEbook.chm");
    ASSERT_NE(message.find(file), std::string::npos) << message;
    EXPECT_NE(message.find_first_not_of(" \r\n", message.find(file) + file.size()), std::string::npos)
        << "no reason after the file name: " << message;
  }
  EXPECT_EQ(ReadBytes(q.File("qelmuEbook.chm")), "another program's file");
  // Anything opened for the guide would be logged before this.
  q.Choose(WM_RBUTTONUP, "进入论坛", [] { return !ShellLog().empty(); });
  EXPECT_EQ(ShellLog(), std::vector<std::string>{"http://forum.quorvane.invalid/qelmu"});
}

}  // namespace e2e
