#include "regimen/leading_number.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(LeadingNumber, ReadsTheNumberATextBeginsWith) {
  const struct {
    const char* text;
    double expected;
  } cases[] = {
      {"3", 3},         {"  3 ", 3},       {"1 2", 12},       {"2.5", 2.5},    {"-1", -1},
      {"+4", 4},        {"5abc", 5},       {"abc", 0},        {"", 0},         {".5", 0.5},
      {"1e3", 1000},    {"1D2", 100},      {"2E", 2},         {"3|", 3},       {"\t7\n", 7},
      {"-", 0},         {"1.5.5", 1.5},    {"12e-1", 1.2},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.expected) << c.text;
}

TEST(LeadingNumber, RoundsHalvesToTheEvenNeighbour) {
  const struct {
    double value;
    int expected;
  } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0}, {1.5, 2},
               {2.4999, 2}, {2.5001, 3}, {-0.4, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(RoundToInt32(c.value), c.expected) << c.value;
    EXPECT_EQ(RoundToInt16(c.value), c.expected) << c.value;
  }
}

TEST(LeadingNumber, RefusesValuesThatDoNotFit) {
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(32767.5), std::nullopt);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_EQ(RoundToInt16(-32768.6), std::nullopt);
  EXPECT_EQ(RoundToInt32(2147483647.0), 2147483647);
  EXPECT_EQ(RoundToInt32(2147483648.0), std::nullopt);
  EXPECT_EQ(RoundToInt32(1e300), std::nullopt);
}

}  // namespace
}  // namespace quorvane
