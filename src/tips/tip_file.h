#pragma once
// The tip file: one tip per line, in UTF-8 or the system's ANSI code page.
#include <string>
#include <string_view>
#include <vector>

#include "base/ansi_codec.h"

namespace quorvane {

// The file's bytes as UTF-8 text. A file that starts with a UTF-8 byte order
// mark, or is valid UTF-8 holding non-ASCII bytes, is UTF-8 (Notepad saves
// that by default); anything else is in the ANSI code page. The mark is not
// part of the text.
std::string DecodeTipFile(std::string_view bytes, const AnsiCodec& ansi);

// The tips of a text, one per line, exactly as written: CR LF or a CR alone
// ends a line, a line feed alone stays inside the tip, a line end at the very
// end adds no further tip, and blank lines are (empty) tips.
std::vector<std::string> SplitTipLines(std::string_view text);

}  // namespace quorvane
