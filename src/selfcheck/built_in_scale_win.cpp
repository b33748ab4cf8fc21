#include "selfcheck/built_in_scale_win.h"

#include <string_view>

#include "base/resource_bytes_win.h"

namespace quorvane {

const std::optional<MgAdlScale>& BuiltInMgAdlScale(std::string* problem) {
  static std::string error = "程序文件中没有自评条目。";
  static const std::optional<MgAdlScale> scale = [] {
    const std::string_view bytes = CustomResource(kMgAdlResourceId);
    return bytes.empty() ? std::nullopt : ParseMgAdlScale(bytes, &error);
  }();
  if (problem) *problem = error;
  return scale;
}

}  // namespace quorvane
