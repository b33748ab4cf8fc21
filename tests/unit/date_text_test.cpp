#include "regimen/date_text.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(DateText, AcceptsTheFormsAChineseUserTypes) {
  const struct {
    const char* text;
    CivilDate date;
    int seconds;
  } cases[] = {
      {"2006-05-22", {2006, 5, 22}, 0},
      {"2006-5-2", {2006, 5, 2}, 0},
      {"2006/5/22", {2006, 5, 22}, 0},
      {"2006.5.22", {2006, 5, 22}, 0},
      {"2006年5月22日", {2006, 5, 22}, 0},
      {"2006年05月22", {2006, 5, 22}, 0},
      {"  2006-05-22  ", {2006, 5, 22}, 0},
      {"2006-05-22 8:30", {2006, 5, 22}, 8 * 3600 + 30 * 60},
      {"2006/5/22 23:59:59", {2006, 5, 22}, 86399},
      {"2006年5月22日 12:00", {2006, 5, 22}, 43200},
      {"２００６－０５－２２", {2006, 5, 22}, 0},
      {"2008-02-29", {2008, 2, 29}, 0},
  };
  for (const auto& c : cases) {
    const auto parsed = ParseDateText(c.text);
    ASSERT_TRUE(parsed.has_value()) << c.text;
    EXPECT_EQ(parsed->date, c.date) << c.text;
    EXPECT_EQ(parsed->secondsOfDay, c.seconds) << c.text;
  }
}

TEST(DateText, RefusesWhatIsNotADate) {
  for (const char* text :
       {"", "abc", "2006", "2006-05", "2006-13-01", "2006-02-29", "2006-04-31", "06-05-22",
        "2006-05/22", "2006-05-22x", "2006-05-22 25:00", "2006-05-22 8", "2006-05-22 8:5",
        "2006年5月", "0000-01-01", "2006--05-22"}) {
    EXPECT_FALSE(ParseDateText(text).has_value()) << text;
  }
}

}  // namespace
}  // namespace quorvane
