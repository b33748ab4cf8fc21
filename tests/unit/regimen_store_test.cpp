#include "regimen/regimen_store.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace quorvane {
namespace {

using testing::FakeStore;
using testing::GbkCodec;

TEST(ReadRegimen, ReadsTextValuesAsUnicode) {
  FakeStore store;
  const GbkCodec gbk;
  EXPECT_EQ(ReadRegimen(store, gbk), "");
  store.PutText("Software", "Quorvane", "泼尼松|2006-05-22|6|3|1");
  EXPECT_EQ(ReadRegimen(store, gbk), "泼尼松|2006-05-22|6|3|1");
  // Text that GBK cannot hold survives too.
  store.PutText("Software", "Quorvane", "Prednisolon ü|x");
  EXPECT_EQ(ReadRegimen(store, gbk), "Prednisolon ü|x");
}

TEST(ReadRegimen, ReadsOtherValueTypesAsAnsiBytesUpToTheFirstNul) {
  FakeStore store;
  const GbkCodec gbk;
  const std::string gbkBytes = testing::ToGbk("强的松|2006-05-22|6|3|1");
  StoredValue binary{false, std::vector<std::uint8_t>(gbkBytes.begin(), gbkBytes.end())};
  store.values[{"Software", "Quorvane"}] = binary;  // no NUL at all: the whole data
  EXPECT_EQ(ReadRegimen(store, gbk), "强的松|2006-05-22|6|3|1");
  binary.data.insert(binary.data.begin() + 6, {0, 'x', 'y'});
  store.values[{"Software", "Quorvane"}] = binary;
  EXPECT_EQ(ReadRegimen(store, gbk), "强的松");
}

TEST(ReadRegimen, StopsAtTheFirstNulOfATextValue) {
  FakeStore store;
  store.PutText("Software", "Quorvane", std::string("a|b\0c|d", 7));
  EXPECT_EQ(ReadRegimen(store, GbkCodec{}), "a|b");
}

TEST(SaveRegimen, StoresTheRecordAndReportsTheStatus) {
  FakeStore store;
  EXPECT_EQ(SaveRegimen(store, "强的松|2006-05-22|6|3|1"), 0);
  EXPECT_EQ(store.Text("Software", "Quorvane"), "强的松|2006-05-22|6|3|1");
  store.failWritesWith = 5;
  EXPECT_EQ(SaveRegimen(store, "x|y"), 5);
  EXPECT_EQ(store.Text("Software", "Quorvane"), "强的松|2006-05-22|6|3|1");
}

TEST(StartupEntry, QuotesTheProgramPath) {
  const struct {
    const char* path;
    const char* expected;
  } cases[] = {
      {"C:\\Program Files\\Quorvane\\Quorvane.exe", "\"C:\\Program Files\\Quorvane\\Quorvane.exe\""},
      {"D:\\工具\\QUORVANE.EXE", "\"D:\\工具\\QUORVANE.exe\""},
      {"C:\\a.b\\prog", "\"C:\\a.b\\prog.exe\""},
  };
  for (const auto& c : cases) EXPECT_EQ(StartupCommand(c.path), c.expected);

  FakeStore store;
  WriteStartupEntry(store, "C:\\Program Files\\Q\\Quorvane.exe");
  EXPECT_EQ(store.Text("Software\\Microsoft\\Windows\\CurrentVersion\\Run", "Quorvane"),
            "\"C:\\Program Files\\Q\\Quorvane.exe\"");
}

}  // namespace
}  // namespace quorvane
