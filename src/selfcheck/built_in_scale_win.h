#pragma once
// The MG-ADL items that the program carries as a resource.
#include <optional>
#include <string>

#include "selfcheck/mg_adl_scale.h"

namespace quorvane {

// Read and parsed once; nothing when the resource is missing or damaged,
// with the reason in *problem.
const std::optional<MgAdlScale>& BuiltInMgAdlScale(std::string* problem = nullptr);

}  // namespace quorvane
