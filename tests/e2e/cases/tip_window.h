// The tip window "日积月累": finding it, reading its tip and drawing more.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace quorvane_e2e {

HWND WaitForTipWindow(DWORD processId);

std::string TipShown(HWND tipWindow);

// Draws tips with `drawAnother` (a press on "下一条提示", say) until `count`
// different tips have been shown or the patience runs out, and returns every
// tip seen, the one shown at first included. Draws are random, so a test
// names how many different tips it expects and compares what came.
std::set<std::string> DrawDifferentTips(HWND tipWindow, size_t count,
                                        const std::function<void()>& drawAnother);

// The lines of a tip file's text, split at CR LF.
std::vector<std::string> TipLines(const std::string& text);

}  // namespace quorvane_e2e
