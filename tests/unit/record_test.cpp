#include "regimen/record.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

struct ApplyCase {
  const char* record;
  RegimenValues expected;
};

RegimenValues With(std::string drug, std::string start, std::string dose, int grdf, int kjtx,
                   int tips) {
  return {std::move(drug), std::move(start), std::move(dose), grdf, kjtx, tips};
}

TEST(ApplyRegimen, FollowsTheFieldRules) {
  const RegimenValues defaults;
  const ApplyCase cases[] = {
      {"", defaults},
      {"no separator at all", defaults},
      {"强的松|2006-05-22|6|3|1", defaults},
      {"阿司匹林|2020-01-01", With("阿司匹林", "2020-01-01", "6", 1, 1, 1)},
      {"a|b|c|2|1", With("a", "b", "c", 1, 0, 1)},
      {"a|b|c|1|1", With("a", "b", "c", 0, 1, 1)},
      {"a|b|c|0|0", With("a", "b", "c", 0, 0, 0)},
      {"a|b|c|5|1", With("a", "b", "c", 2, 1, 1)},
      {"a|b|c|4|2", With("a", "b", "c", 2, 0, 2)},
      // -1: alternate-day becomes 0 (-1/2 truncates), remind keeps its value (-1 refused).
      {"a|b|c|-1|1", With("a", "b", "c", 0, 1, 1)},
      {"a|b|c|2.5|1", With("a", "b", "c", 1, 0, 1)},
      {"a|b|c|3.5|1", With("a", "b", "c", 2, 0, 1)},
      {"a|b|c|6|1", With("a", "b", "c", 1, 0, 1)},  // 3 refused for alternate-day
      {"a|b|c|x|3", With("a", "b", "c", 0, 0, 1)},  // no number reads as 0; 3 refused
      {"a|b|c| 2 |0", With("a", "b", "c", 1, 0, 0)},
      {"a|b|c|99999999999|0", With("a", "b", "c", 1, 1, 0)},  // does not fit 32 bits
      {"a|b|c|3|70000", With("a", "b", "c", 1, 1, 1)},        // does not fit 16 bits
      {"a|b|c|3|0.5", With("a", "b", "c", 1, 1, 0)},
      {"a|b|c|3|1.5", With("a", "b", "c", 1, 1, 2)},
      {"|||3|1", With("", "", "", 1, 1, 1)},
      {"a|b|c|0|0|extra|fields", With("a", "b", "c", 0, 0, 0)},
      // A "|" typed into the drug name shifts the later fields one place right.
      {"药|名|2006-05-22|6|3|1", With("药", "名", "2006-05-22", 1, 0, 1)},
      {"a|", With("a", "", "6", 1, 1, 1)},
  };
  for (const auto& c : cases) {
    RegimenValues controls;
    ApplyRegimen(c.record, controls);
    EXPECT_EQ(controls, c.expected) << c.record;
  }
}

TEST(ApplyRegimen, LeavesControlsAloneWhereTheRecordSaysNothing) {
  RegimenValues controls = With("x", "y", "z", 0, 0, 0);
  ApplyRegimen("only text", controls);
  EXPECT_EQ(controls, With("x", "y", "z", 0, 0, 0));
  ApplyRegimen("a|b", controls);
  EXPECT_EQ(controls, With("a", "b", "z", 0, 0, 0));
}

TEST(BuildRegimen, JoinsTheControlsWithBars) {
  EXPECT_EQ(BuildRegimen(RegimenValues{}), "强的松|2006-05-22|6|3|1");
  EXPECT_EQ(BuildRegimen(With("a", "b", "c", 0, 1, 0)), "a|b|c|1|0");
  EXPECT_EQ(BuildRegimen(With("a", "b", "c", 2, 1, 1)), "a|b|c|5|1");
  EXPECT_EQ(BuildRegimen(With("", "", "", 1, 1, 1)), "|||3|1");
  EXPECT_EQ(BuildRegimen(With("a", "b", "c", 2, 2, 2)), "a|b|c|6|2");
}

TEST(BuildRegimen, RoundTripsThroughApply) {
  for (const RegimenValues& original :
       {RegimenValues{}, With("泼尼松", "2024年3月1日", "5", 0, 1, 0),
        With("a", "b", "c", 2, 1, 2), With("", "", "", 0, 0, 1)}) {
    RegimenValues loaded = With("?", "?", "?", 1, 1, 1);
    ApplyRegimen(BuildRegimen(original), loaded);
    EXPECT_EQ(loaded, original) << BuildRegimen(original);
  }
}

}  // namespace
}  // namespace quorvane
