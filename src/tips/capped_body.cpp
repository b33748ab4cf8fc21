#include "tips/capped_body.h"

#include <algorithm>

namespace quorvane {

CappedBody ReadCappedBody(ByteSource& source, std::size_t maxBytes) {
  constexpr std::size_t kChunk = 16 * 1024;
  CappedBody body{BodyEnd::Complete, {}};
  for (;;) {
    // One byte past the limit is enough to know the body is too large.
    const std::size_t room = std::min(kChunk, maxBytes + 1 - body.bytes.size());
    const std::size_t before = body.bytes.size();
    body.bytes.resize(before + room);
    const std::optional<std::size_t> read = source.Read(std::span<char>(body.bytes).subspan(before));
    body.bytes.resize(before + (read ? std::min(*read, room) : 0));
    if (!read) {
      body.end = BodyEnd::Broken;
      return body;
    }
    if (*read == 0) return body;
    if (body.bytes.size() > maxBytes) {
      body.end = BodyEnd::TooLarge;
      return body;
    }
  }
}

}  // namespace quorvane
