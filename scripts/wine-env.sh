# Sourced by the scripts that run Quorvane under Wine outside the tests:
#   . scripts/wine-env.sh DIR
# The Wine prefix DIR/prefix, no debug output, no Mono or Gecko, and a Chinese
# locale (ANSI code page 936) made under DIR without touching the system's
# locales; Wine is started through "${chinese[@]}" to get it.
wine_dir=$1
mkdir -p "$wine_dir"
export WINEPREFIX="$wine_dir/prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if [ ! -d "$wine_dir/locale/zh_CN.UTF-8" ]; then
  mkdir -p "$wine_dir/locale"
  localedef -i zh_CN -f UTF-8 "$wine_dir/locale/zh_CN.UTF-8" 2>/dev/null || true
fi
chinese=(env LOCPATH="$wine_dir/locale" LC_ALL=zh_CN.UTF-8)
