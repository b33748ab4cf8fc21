#pragma once
#include <string_view>

namespace quorvane {

// A resource of type "CUSTOM" in the program file (resources/quorvane.rc), in
// Simplified Chinese; empty when the program file lacks it. The bytes live as
// long as the program.
std::string_view CustomResource(int resourceId);

}  // namespace quorvane
