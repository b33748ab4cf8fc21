#pragma once

#include <string>
#include <string_view>

namespace guidetool {

// Finishes a document chmcmd compiled: records the compiled-file name in
// #SYSTEM and zeroes the header and #SYSTEM time stamps. #SYSTEM lives in
// the uncompressed section 0, so growing it moves every section-0 file
// behind it; their directory offsets, #SYSTEM's length and the file length
// in the header are updated to match. The compressed section is moved as
// a whole and needs no change.
std::string finishChm(std::string_view chm, const std::string& compiledFile);

}  // namespace guidetool
