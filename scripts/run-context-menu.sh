#!/usr/bin/env bash
# Runs the context-menu script that the settings program wrote ("設定") as Internet Explorer
# would when the user picks "トブリン＋(&S)" on a page: Wine's script host runs the script's
# JScript with a stand-in for the browser's page object (an address on www.example.co.jp and a
# Japanese selection, or none), the script writes the hand-off file and starts Tobrin.exe, and
# the launcher's menu appears at the mouse pointer. Runs inside scripts/with-wine.sh.
#
#   scripts/run-context-menu.sh              a page with a selected Japanese phrase
#   scripts/run-context-menu.sh page         the same page, nothing selected
#
# Without a display of your own the menu is saved as a screenshot to build/demo/context-menu.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-selection}"
: "${WINEPREFIX:?run this through scripts/with-wine.sh}"
install_win="${TOBRIN_INSTALL:-C:\\Program Files\\TobrinPlus}"
script="$(winepath -u "$install_win\\Tobrin_Menu.html" 2>/dev/null)"
[ -f "$script" ] || { echo "no $install_win\\Tobrin_Menu.html: press 設定 in the settings program first (make run)" >&2; exit 1; }

case "$mode" in
  selection) html='<b>日本語</b>の文章'; text='日本語の文章' ;;
  page) html=''; text='' ;;
  *) echo "usage: $0 [selection|page]" >&2; exit 2 ;;
esac

# The page object as far as the script uses it, then the script's own lines between its
# comment markers. The host reads the file in the system code page, Shift_JIS.
program="$root/build/demo/context-menu.js"
mkdir -p "$(dirname "$program")"
{
  printf 'var external = { menuArguments: {\r\n'
  printf '  document: { selection: { createRange: function() {\r\n'
  printf '    return { htmlText: "%s", text: "%s" }; } } },\r\n' "$html" "$text"
  printf '  location: { href: "http://www.example.co.jp/a b.html", hostname: "www.example.co.jp" } } };\r\n'
  iconv -f CP932 -t UTF-8 "$script" | sed -n '/^\/\/<!--/,/^\/\/-->/p' | sed '1d;$d'
} | iconv -f UTF-8 -t CP932 >"$program"

headless() {
  local display="${DISPLAY#:}"
  ps -C Xvfb -o args= 2>/dev/null | grep -Eq "(^| ):${display%%.*}( |$)"
}
if headless; then
  command -v xdotool >/dev/null && xdotool mousemove 240 160 || true
  wine explorer /desktop=TobrinDemo,1024x768 cscript //nologo "$(winepath -w "$program")" \
    </dev/null >/dev/null 2>&1 &
  sleep "${DEMO_SETTLE_SECONDS:-8}"
  import -window root "$root/build/demo/context-menu.png"
  echo "no display of your own: screenshot saved to build/demo/context-menu.png"
else
  echo "running the script; pick an entry of the menu (Escape and a click elsewhere close it)"
  wine cscript //nologo "$(winepath -w "$program")" </dev/null
fi
