#pragma once

#include <string>
#include <string_view>

namespace guidetool {

// Returns the document's #SYSTEM file with the compiled-file name recorded
// (code 6, which chmcmd never writes; the viewer uses it to name the
// document in links between topics) and with the compile-time stamps set to
// zero so that two builds of the same sources are byte-identical.
// #SYSTEM is a DWORD version followed by records of WORD code, WORD length
// and that many bytes of data.
std::string finishSystemFile(std::string_view system, const std::string& compiledFile);

}  // namespace guidetool
