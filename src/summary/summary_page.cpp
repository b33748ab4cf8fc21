#include "summary/summary_page.h"

#include <algorithm>

#include "diary/diary_month.h"

namespace quorvane {
namespace {

// Sizes in millimetres and points: everything fits one A4 sheet for 90 days
// of weekly checks.
constexpr std::string_view kStyle = R"(
@page { size: A4 portrait; margin: 10mm 12mm; }
html { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { margin: 0; color: #000; background: #fff;
  font: 9pt/1.25 "Microsoft YaHei", "微软雅黑", SimSun, "宋体", "Noto Sans CJK SC", sans-serif; }
.page { width: 186mm; margin: 0 auto; }
h1 { font-size: 14pt; margin: 0; }
h2 { font-size: 10.5pt; margin: 2.5mm 0 1mm; padding-bottom: 0.3mm; border-bottom: 1px solid #888;
  page-break-after: avoid; }
p { margin: 0.8mm 0; }
.meta span { margin-right: 6mm; }
.caution { font-weight: bold; }
table { border-collapse: collapse; width: 100%; page-break-inside: auto; }
thead { display: table-header-group; }
tr { page-break-inside: avoid; }
th, td { border: 1px solid #999; padding: 0.2mm 1.2mm; text-align: left; vertical-align: top; }
th { background: #eee; font-weight: bold; }
td.n, th.n { text-align: right; }
table.fixed { table-layout: fixed; }
table.scores th, table.scores td.n { text-align: center; }
table.scores th { font-size: 8pt; }
tr.total td { font-weight: bold; }
.chart { margin-top: 1mm; page-break-inside: avoid; }
.small, .footer { font-size: 7.5pt; color: #333; }
.footer { margin-top: 2.5mm; border-top: 1px solid #888; padding-top: 1mm; }
)";

std::string Iso(const CivilDate& date) { return FormatIsoDate(date); }

std::string Cell(std::string_view text, bool number = false) {
  return std::string(number ? "<td class=\"n\">" : "<td>") + std::string(text) + "</td>";
}

std::string MonthName(const AdherenceRow& row) {
  return row.month == 0 ? "合计" : std::to_string(row.year) + "年" + std::to_string(row.month) + "月";
}

std::string DayWithWeekday(const CivilDate& date) {
  static constexpr const char* kWeekdays[] = {"一", "二", "三", "四", "五", "六", "日"};
  return Iso(date) + " 星期" + kWeekdays[WeekdayFromMonday(date)];
}

std::string ChangeText(const std::optional<int>& change) {
  if (!change) return "—";
  std::string text = std::to_string(*change);
  if (*change > 0) text.insert(0, 1, '+');
  return text;
}

std::string RegimenSection(const RegimenValues& regimen) {
  static constexpr const char* kRules[] = {"每日", "隔日", "未设定（无服药日）"};
  const int rule = std::clamp(regimen.alternateDay, 0, 2);
  return "<h2>用药方案</h2>\n<table><tr><th>药物</th><th>用量</th><th>服法</th><th>开始日期</th></tr>\n<tr>" +
         Cell(EscapeHtml(regimen.drugName)) + Cell(EscapeHtml(regimen.dose) + " 片") + Cell(kRules[rule]) +
         Cell(EscapeHtml(regimen.startDate)) + "</tr></table>\n";
}

std::string AdherenceSection(const VisitSummary& summary) {
  std::string html =
      "<h2>服药情况</h2>\n<table><thead><tr><th>月份</th><th class=\"n\">服药日</th><th class=\"n\">已服</th>"
      "<th class=\"n\">漏服</th><th class=\"n\">未记录</th><th "
      "class=\"n\">已服比例</th></tr></thead><tbody>\n";
  std::vector<AdherenceRow> rows = summary.months;
  rows.push_back(summary.total);
  for (const AdherenceRow& row : rows) {
    html += row.month == 0 ? "<tr class=\"total\">" : "<tr>";
    html += Cell(MonthName(row));
    for (const int figure : {row.doseDays, row.taken, row.missed, row.unrecorded})
      html += Cell(std::to_string(figure), true);
    html += Cell(PercentTakenText(row), true) + "</tr>\n";
  }
  html += "</tbody></table>\n";
  if (summary.countedFrom != summary.period.first)
    html += "<p class=\"small\">服药日从用药方案的开始日期 " + Iso(summary.countedFrom) + " 起计算。</p>\n";
  html += "<p><b>漏服日：</b>";
  if (summary.missed.empty()) html += "无";
  for (std::size_t i = 0; i < summary.missed.size(); ++i) {
    const DiaryEntry& day = summary.missed[i];
    html += (i ? "；" : "") + DayWithWeekday(day.date) +
            (day.note.empty() ? "" : "（" + EscapeHtml(day.note) + "）");
  }
  return html + "</p>\n";
}

// The totals over the period as a line, the 0-1 band (the least symptoms)
// shaded, a tick at the first of each month.
std::string Chart(const VisitSummary& summary) {
  constexpr int kWidth = 700, kHeight = 132, kLeft = 24, kRight = 692, kTop = 14, kBottom = 112;
  int maxTotal = 6;
  for (const CheckRow& row : summary.checks) maxTotal = std::max(maxTotal, row.check.Total());
  const int yMax = std::min(24, (maxTotal + 2) / 3 * 3);
  const std::int64_t first = DaysSinceEpoch(summary.period.first);
  const int span = std::max(1, summary.period.Days() - 1);
  const auto x = [&](const CivilDate& date) {
    return kLeft + static_cast<int>((DaysSinceEpoch(date) - first) * (kRight - kLeft) / span);
  };
  const auto y = [&](int total) { return kBottom - total * (kBottom - kTop) / yMax; };
  const auto number = [](int value) { return std::to_string(value); };

  std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + number(kWidth) + "\" height=\"" +
                    number(kHeight) + "\" viewBox=\"0 0 " + number(kWidth) + ' ' + number(kHeight) +
                    "\" font-family=\"Microsoft YaHei, SimSun, sans-serif\" font-size=\"10\">\n";
  svg += "<rect x=\"" + number(kLeft) + "\" y=\"" + number(y(1)) + "\" width=\"" + number(kRight - kLeft) +
         "\" height=\"" + number(y(0) - y(1)) + "\" fill=\"#cfe8cf\"/>\n";
  for (int total = 0; total <= yMax; total += 3) {
    svg += "<line x1=\"" + number(kLeft) + "\" y1=\"" + number(y(total)) + "\" x2=\"" + number(kRight) +
           "\" y2=\"" + number(y(total)) + "\" stroke=\"#bbb\" stroke-width=\"" + (total ? "0.5" : "1") +
           "\"/>";
    svg += "<text x=\"" + number(kLeft - 4) + "\" y=\"" + number(y(total) + 3) + "\" text-anchor=\"end\">" +
           number(total) + "</text>\n";
  }
  for (std::int64_t day = first; day <= DaysSinceEpoch(summary.period.last); ++day) {
    const CivilDate date = DateFromDays(day);
    if (date.day != 1 && day != first) continue;
    svg += "<line x1=\"" + number(x(date)) + "\" y1=\"" + number(kBottom) + "\" x2=\"" + number(x(date)) +
           "\" y2=\"" + number(kBottom + 4) + "\" stroke=\"#666\"/><text x=\"" + number(x(date) + 2) +
           "\" y=\"" + number(kBottom + 14) + "\">" + number(date.month) + "月" +
           (date.day == 1 ? "" : number(date.day) + "日") + "</text>\n";
  }
  std::string points;
  for (const CheckRow& row : summary.checks)
    points += number(x(row.check.date)) + ',' + number(y(row.check.Total())) + ' ';
  if (summary.checks.size() > 1)
    svg += "<polyline points=\"" + points + "\" fill=\"none\" stroke=\"#1f4e99\" stroke-width=\"1.5\"/>\n";
  for (const CheckRow& row : summary.checks) {
    const int px = x(row.check.date), py = y(row.check.Total());
    svg += "<circle cx=\"" + number(px) + "\" cy=\"" + number(py) +
           "\" r=\"2.5\" fill=\"#1f4e99\"/><text x=\"" + number(px) + "\" y=\"" + number(py - 5) +
           "\" text-anchor=\"middle\">" + number(row.check.Total()) + "</text>\n";
  }
  svg += "<text x=\"" + number(kRight) + "\" y=\"" + number(kTop - 4) +
         "\" text-anchor=\"end\">总分（绿色带：0–1 分，症状最轻）</text>\n";
  return "<div class=\"chart\">" + svg + "</svg></div>\n";
}

std::string CheckSection(const VisitSummary& summary, const MgAdlScale& scale) {
  std::string html = "<h2>MG-ADL 自评（过去 7 天，每项 0–3 分，总分 0–24 分）</h2>\n";
  if (summary.checks.empty()) return html + "<p>这段时间没有自评记录。</p>\n";
  html +=
      "<table class=\"fixed scores\"><col style=\"width: 19mm\"><col span=\"8\"><col style=\"width: 10mm\">"
      "<col style=\"width: 10mm\"><thead><tr><th>日期</th>";
  for (const MgAdlItemText& item : scale.items) html += "<th>" + EscapeHtml(item.ShortName()) + "</th>";
  html += "<th>总分</th><th>变化</th></tr></thead><tbody>\n";
  for (const CheckRow& row : summary.checks) {
    html += "<tr>" + Cell(Iso(row.check.date));
    for (const int score : row.check.scores) html += Cell(std::to_string(score), true);
    html += Cell("<b>" + std::to_string(row.check.Total()) + "</b>", true) +
            Cell(ChangeText(row.change), true) + "</tr>\n";
  }
  return html + "</tbody></table>\n" + Chart(summary);
}

std::string NotesSection(const VisitSummary& summary) {
  std::string html = "<h2>其他备注</h2>\n";
  if (summary.notes.empty()) return html + "<p>无</p>\n";
  html += "<table class=\"fixed\"><col style=\"width: 19mm\"><col style=\"width: 10mm\"><col><tbody>\n";
  for (const NoteRow& note : summary.notes)
    html += "<tr>" + Cell(Iso(note.date)) + Cell(note.source) + Cell(EscapeHtml(note.text)) + "</tr>\n";
  return html + "</tbody></table>\n";
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '&':
        escaped += "&amp;";
        break;
      case '<':
        escaped += "&lt;";
        break;
      case '>':
        escaped += "&gt;";
        break;
      case '"':
        escaped += "&quot;";
        break;
      case '\'':
        escaped += "&#39;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string VisitSummaryHtml(const VisitSummary& summary, const MgAdlScale& scale) {
  const std::string title = "Quorvane 就诊摘要 " + Iso(summary.made);
  std::string html = std::string(kUtf8ByteOrderMark) +
                     "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
                     "<meta http-equiv=\"X-UA-Compatible\" content=\"IE=edge\">\n<title>" +
                     title + "</title>\n<style>" + std::string(kStyle) +
                     "</style>\n</head>\n<body>\n<div class=\"page\">\n";
  html += "<h1>就诊摘要</h1>\n<p class=\"meta\"><span>统计期间：" + Iso(summary.period.first) + " 至 " +
          Iso(summary.period.last) + "（" + std::to_string(summary.period.Days()) +
          " 天）</span><span>生成日期：" + Iso(summary.made) +
          "</span></p>\n<p class=\"caution\">患者自行记录，仅供参考</p>\n";
  html += RegimenSection(summary.regimen) + AdherenceSection(summary) + CheckSection(summary, scale) +
          NotesSection(summary);
  html += "<div class=\"footer\">" + EscapeHtml(scale.citation) + "<br>" + EscapeHtml(scale.attribution) +
          "<br>由 Quorvane 根据患者的用药记录和每周自评生成。</div>\n";
  return html + "</div>\n</body>\n</html>\n";
}

std::string VisitSummaryFileName(const CivilDate& made) { return "Quorvane 就诊摘要 " + Iso(made) + ".html"; }

}  // namespace quorvane
