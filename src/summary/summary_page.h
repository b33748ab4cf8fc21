#pragma once
// The summary as one self-contained HTML page for one A4 sheet: inline CSS
// and inline SVG, no script, nothing loaded from elsewhere, and every text
// the user typed escaped. It opens and prints in the browsers of Windows 7
// to 11, Internet Explorer 9 included (no CSS grid or flex box).
#include <string>
#include <string_view>

#include "selfcheck/mg_adl_scale.h"
#include "summary/visit_summary.h"

namespace quorvane {

// & < > " ' as character references.
std::string EscapeHtml(std::string_view text);

// UTF-8 with a byte order mark, so that every browser reads it as UTF-8.
std::string VisitSummaryHtml(const VisitSummary& summary, const MgAdlScale& scale);

// "Quorvane 就诊摘要 2026-12-07.html"
std::string VisitSummaryFileName(const CivilDate& made);

}  // namespace quorvane
