#pragma once

#include "pixel_art_source.h"

#include <filesystem>
#include <vector>

namespace icongen {

// Writes into outputDir, for every group, <name>.icogrp (RT_GROUP_ICON data),
// <name>-<size>.icoimg (RT_ICON data) and <name>.ico; then icons.rc, which
// declares them all as raw resources with their ids.
// Throws std::runtime_error when a file cannot be written.
void writeIconOutputs(const std::vector<IconGroup>& groups, const std::filesystem::path& outputDir);

}  // namespace icongen
