#!/usr/bin/env bash
# Screenshots of the settings program's five tabs for the documentation: installs the freshly
# built TobrinPlus.exe and Tobrin.exe with the shipped demo settings into the Wine prefix,
# starts the settings program in a Wine virtual desktop on a hidden X server, lets a helper in
# the same desktop show one tab after the other and saves each as docs/settings-<tab>.png,
# cut to the main window. Runs inside scripts/with-wine.sh, which provides the X server.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/windows"
program="${TOBRINPLUS_EXE:-$build/settings/win32/TobrinPlus.exe}"
launcher="$build/launcher/win32/Tobrin.exe"
helper="$build/tests/wine/e2e/e2e_settings_screens.exe"
out="${1:-$root/docs}"
: "${WINEPREFIX:?run this through scripts/with-wine.sh}"
for file in "$program" "$launcher" "$helper"; do
  [ -f "$file" ] || { echo "no $file: build it first (make windows)" >&2; exit 1; }
done

install_win='C:\Program Files\TobrinPlus'
install_dir="$(winepath -u "$install_win" 2>/dev/null)"
mkdir -p "$install_dir"
cp "$program" "$install_dir/TobrinPlus.exe"
cp "$launcher" "$install_dir/Tobrin.exe"
cp "$root/data/demo/TobrinPlus.ini" "$install_dir/TobrinPlus.ini"

handshake="$root/build/screens"
rm -rf "$handshake"
mkdir -p "$handshake" "$out"
handshake_win="$(winepath -w "$handshake")\\"

desktop=TobrinShots,1024x768
wine explorer /desktop=$desktop "$install_win\\TobrinPlus.exe" </dev/null >/dev/null 2>&1 &
wine explorer /desktop=$desktop "$(winepath -w "$helper")" "$handshake_win" </dev/null >/dev/null 2>&1 &

for tab in 0 1 2 3 4; do
  ready="$handshake/tab-$tab.ready"
  for _ in $(seq 300); do [ -s "$ready" ] && break; sleep 0.1; done
  [ -s "$ready" ] || { echo "tab $tab was not shown" >&2; exit 1; }
  read -r width height left top <"$ready"
  import -window root -crop "${width}x${height}+${left}+${top}" +repage "$out/settings-tab$tab.png"
  echo "saved $out/settings-tab$tab.png"
  touch "$handshake/tab-$tab.done"
done
sleep 1  # the helper closes the window; with-wine.sh ends the session
