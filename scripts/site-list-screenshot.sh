#!/usr/bin/env bash
# The screenshot of the site list editor with the shipped list for the documentation:
# installs the freshly built programs with the shipped MenuList.csv and the demo settings
# into the Wine prefix, starts the settings program in a Wine virtual desktop, lets a helper
# in the same desktop open the editor from the site page's "参照", and saves the editor's
# window as docs/site-list-editor.png. Runs inside scripts/with-wine.sh (the X server).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/windows"
program="$build/settings/win32/TobrinPlus.exe"
launcher="$build/launcher/win32/Tobrin.exe"
helper="$build/tests/wine/e2e/e2e_site_list_screen.exe"
out="${1:-$root/docs/site-list-editor.png}"
: "${WINEPREFIX:?run this through scripts/with-wine.sh}"
for file in "$program" "$launcher" "$helper"; do
  [ -f "$file" ] || { echo "no $file: build it first (make windows)" >&2; exit 1; }
done

install_win='C:\Program Files\TobrinPlus'
install_dir="$(winepath -u "$install_win" 2>/dev/null)"
mkdir -p "$install_dir"
cp "$program" "$install_dir/TobrinPlus.exe"
cp "$launcher" "$install_dir/Tobrin.exe"
cp "$root/data/MenuList.csv" "$install_dir/MenuList.csv"
cp "$root/data/demo/TobrinPlus.ini" "$install_dir/TobrinPlus.ini"

handshake="$root/build/site-list-screen"
rm -rf "$handshake"
mkdir -p "$handshake" "$(dirname "$out")"
handshake_win="$(winepath -w "$handshake")\\"

desktop=TobrinListShot,1024x768
wine explorer /desktop=$desktop "$install_win\\TobrinPlus.exe" </dev/null >/dev/null 2>&1 &
wine explorer /desktop=$desktop "$(winepath -w "$helper")" "$handshake_win" </dev/null >/dev/null 2>&1 &

ready="$handshake/editor.ready"
for _ in $(seq 400); do [ -s "$ready" ] && break; sleep 0.1; done
[ -s "$ready" ] || { echo "the site list editor was not shown" >&2; exit 1; }
read -r width height left top <"$ready"
import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out"
echo "saved $out"
touch "$handshake/editor.done"
sleep 2  # the helper closes the windows; with-wine.sh ends the session
