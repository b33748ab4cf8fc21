#include "tips/capped_body.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

namespace quorvane {
namespace {

// Hands out a body in pieces of a fixed size, optionally failing after a
// number of bytes, and counts how much was asked of it.
class ScriptedSource : public ByteSource {
 public:
  ScriptedSource(std::size_t total, std::size_t piece, std::size_t failAfter = SIZE_MAX)
      : total_(total), piece_(piece), failAfter_(failAfter) {}
  std::size_t delivered = 0;

  std::optional<std::size_t> Read(std::span<char> buffer) override {
    if (delivered >= failAfter_) return std::nullopt;
    const std::size_t n = std::min({buffer.size(), piece_, total_ - delivered});
    std::fill_n(buffer.data(), n, static_cast<char>('a' + delivered % 26));
    delivered += n;
    return n;
  }

 private:
  std::size_t total_, piece_, failAfter_;
};

TEST(CappedBody, ReadsUpToTheLimitAndRefusesMore) {
  constexpr std::size_t kLimit = 100'000;
  const struct {
    std::size_t total, piece;
    BodyEnd end;
    std::size_t kept;
  } cases[] = {
      {0, 4096, BodyEnd::Complete, 0},
      {1, 4096, BodyEnd::Complete, 1},
      {kLimit, 7, BodyEnd::Complete, kLimit},
      {kLimit, 1 << 20, BodyEnd::Complete, kLimit},
      {kLimit + 1, 4096, BodyEnd::TooLarge, kLimit + 1},
      {kLimit * 50, 1 << 20, BodyEnd::TooLarge, kLimit + 1},
  };
  for (const auto& c : cases) {
    ScriptedSource source(c.total, c.piece);
    const CappedBody body = ReadCappedBody(source, kLimit);
    EXPECT_EQ(body.end, c.end) << c.total << " in pieces of " << c.piece;
    EXPECT_EQ(body.bytes.size(), c.kept) << c.total << " in pieces of " << c.piece;
    // A runaway body is not read further than one byte past the limit.
    EXPECT_LE(source.delivered, kLimit + 1);
  }
}

TEST(CappedBody, KeepsTheBytesInOrder) {
  ScriptedSource source(40, 3);
  const CappedBody body = ReadCappedBody(source, 1000);
  ASSERT_EQ(body.bytes.size(), 40u);
  for (std::size_t i = 0; i < 40; i += 3) EXPECT_EQ(body.bytes[i], static_cast<char>('a' + i % 26));
}

TEST(CappedBody, ReadErrorBreaksTheBody) {
  ScriptedSource source(10'000, 1000, 3000);
  const CappedBody body = ReadCappedBody(source, 100'000);
  EXPECT_EQ(body.end, BodyEnd::Broken);
  EXPECT_EQ(body.bytes.size(), 3000u);
}

}  // namespace
}  // namespace quorvane
