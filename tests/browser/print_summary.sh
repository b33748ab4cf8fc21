#!/usr/bin/env bash
# print_summary.sh SUMMARYTOOL FIXTURE_DIR MG_ADL_TXT WORK_DIR
# The fixture: 强的松 6 tablets every second day from 2026-01-05, a diary from
# 2026-08-01 with three missed and three unrecorded dose days in the period,
# and weekly checks; the summary of the 90 days up to 2026-12-07.
set -euo pipefail
tool="$1" fixture="$2" scale="$3" work="$4"
rm -rf "$work" && mkdir -p "$work"
html="$work/Quorvane 就诊摘要 2026-12-07.html" pdf="$work/summary.pdf"
"$tool" "$fixture/doselog.csv" "$fixture/selfcheck.csv" "$scale" "强的松|2026-01-05|6|3|1" 2026-12-07 90 "$html"

# Root in CI: no sandbox. A profile of its own, no display, bounded time.
timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-extensions \
  --user-data-dir="$work/profile" --no-pdf-header-footer --print-to-pdf="$pdf" "file://$html" \
  >"$work/chromium.log" 2>&1 || { cat "$work/chromium.log"; echo "chromium failed"; exit 1; }

fail=0
info="$(pdfinfo "$pdf")"
grep -Eq '^Pages: +1$' <<<"$info" || { echo "not one page:"; grep Pages <<<"$info"; fail=1; }
grep -Eq '^Page size: .*\(A4\)' <<<"$info" || { echo "not A4:"; grep 'Page size' <<<"$info"; fail=1; }

text="$(pdftotext -layout "$pdf" -)"
expect() {
  grep -Eq "$1" <<<"$text" || { echo "missing from the printed page: $1"; fail=1; }
}
expect '统计期间：2026-09-09 至 2026-12-07（90 天）'
expect '患者自行记录，仅供参考'
expect '强的松 +6 ?片 +隔日 +2026-01-05'
# month, dose days, taken, missed, unrecorded, percentage taken
expect '2026年9月 +11 +10 +1 +0 +91%'
expect '2026年10月 +15 +12 +1 +2 +80%'
expect '2026年11月 +15 +14 +1 +0 +93%'
expect '2026年12月 +4 +3 +0 +1 +75%'
expect '合计 +45 +39 +3 +3 +87%'
expect '2026-09-16 星期三（发烧，没敢吃）'
expect '2026-11-15 星期日（出差忘带药）'
# a check: date, eight scores, total, change from the check before
expect '2026-09-13 +1 +1 +0 +0 +1 +1 +1 +1 +6 +\+1'
expect '2026-10-04 +0 +1 +0 +0 +1 +1 +1 +1 +5 +-4'
expect '2026-12-06 +0 +1 +0 +0 +1 +1 +2 +1 +6 +\+1'
# a typed note comes out as text, not as an element
expect '2026-11-03 +用药 +<img src=x onerror=alert\(1\)>'
expect 'Myasthenia gravis activities of daily living profile'
[ "$fail" -eq 0 ] || { echo "page text:"; echo "$text"; exit 1; }
