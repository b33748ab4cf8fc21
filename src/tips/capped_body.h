#pragma once
// Reading a response body without trusting its size: a runaway body must not
// fill the memory, so reading stops one byte past the limit.
#include <cstddef>
#include <optional>
#include <span>
#include <string>

namespace quorvane {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  // Fills the front of buffer; 0 at the end, nothing on an error.
  virtual std::optional<std::size_t> Read(std::span<char> buffer) = 0;
};

enum class BodyEnd { Complete, TooLarge, Broken };

struct CappedBody {
  BodyEnd end;
  std::string bytes;  // what was read, at most maxBytes + 1 bytes
};

CappedBody ReadCappedBody(ByteSource& source, std::size_t maxBytes);

}  // namespace quorvane
