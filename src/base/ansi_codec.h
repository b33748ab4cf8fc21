#pragma once
// The system's ANSI code page (GBK on the Chinese systems the program is
// written for). Only files and stored values that demand it go through here.
#include <string>
#include <string_view>

namespace quorvane {

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  virtual std::string ToUtf8(std::string_view ansiBytes) const = 0;
};

}  // namespace quorvane
