#include "tips/tip_list.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace quorvane {
namespace {

using testing::ScriptedRandom;

TEST(TipList, DrawsFloorOfCountTimesRPlusOne) {
  const struct {
    std::size_t count;
    float r;
    std::int32_t index;
  } cases[] = {
      // The last case: an empty list draws position 1.
      {4, 0.0f, 1},       {4, 0.2499f, 1},    {4, 0.25f, 2},   {4, 0.5f, 3}, {4, 0.75f, 4},
      {4, 0.9999999f, 4}, {1, 0.9999999f, 1}, {10, 0.95f, 10}, {0, 0.7f, 1},
  };
  for (const auto& c : cases) {
    TipList list;
    list.Append(std::vector<std::string>(c.count, "tip"));
    ScriptedRandom random({c.r});
    list.DrawRandom(random);
    EXPECT_EQ(list.CurrentIndex(), c.index) << c.count << " tips, r = " << c.r;
  }
}

TEST(TipList, ShowsTheTipAtTheDrawnPosition) {
  TipList list;
  list.Append({"a", "b", "c"});
  ScriptedRandom random({0.5f, 0.0f});
  list.DrawRandom(random);
  EXPECT_EQ(*list.Current(), "b");
  list.DrawRandom(random);
  EXPECT_EQ(*list.Current(), "a");
}

TEST(TipList, EmptyListHasNoCurrentTip) {
  TipList list;
  EXPECT_EQ(list.Current(), nullptr);
  ScriptedRandom random({0.3f});
  list.DrawRandom(random);
  EXPECT_EQ(list.Current(), nullptr);
}

TEST(TipList, AppendKeepsEarlierTipsAndPosition) {
  TipList list;
  list.Append({"a", "b"});
  ScriptedRandom random({0.99f, 0.99f});
  list.DrawRandom(random);
  list.Append({"a", "b"});
  EXPECT_EQ(list.Count(), 4u);
  EXPECT_EQ(*list.Current(), "b");  // position 2 is still "b"
  list.DrawRandom(random);
  EXPECT_EQ(list.CurrentIndex(), 4);
}

}  // namespace
}  // namespace quorvane
