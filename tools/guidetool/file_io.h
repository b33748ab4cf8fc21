#pragma once

#include <filesystem>
#include <string>

namespace guidetool {

// Whole files as byte strings; both throw with the path on failure.
std::string readFile(const std::filesystem::path& path);

// Writes beside the target and renames, so a failed build never leaves a
// half-written output that looks up to date.
void writeFile(const std::filesystem::path& path, const std::string& bytes);

}  // namespace guidetool
