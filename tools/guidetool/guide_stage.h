#pragma once

#include <filesystem>

namespace guidetool {

// Names inside the stage folder that BuildGuide.cmake relies on.
inline constexpr char kProjectFileName[] = "guide.hhp";
inline constexpr char kCompilerOutputName[] = "guide.chm";

// Fills an empty stage folder with what chmcmd compiles: every source file
// of the guide converted to GBK (chmcmd stores files byte for byte, and the
// viewer reads them in the pages' declared Chinese code page), the contents
// and index under the names TOC.HHC and INDEX.HHK, and the project file.
// Throws on any file it does not know how to stage rather than leave it out.
void stageGuide(const std::filesystem::path& guideFolder, const std::filesystem::path& stageFolder);

}  // namespace guidetool
