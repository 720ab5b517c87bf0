#!/usr/bin/env bash
# Installs the freshly built TobrinPlus.exe and Tobrin.exe into the Wine prefix with the shipped
# demo settings and starts one of them as a user would. Runs inside scripts/with-wine.sh
# (`make run`).
#
#   scripts/run-demo.sh           the settings program TobrinPlus.exe
#   scripts/run-demo.sh view      view-source mode: the sample page opens in Notepad
#   scripts/run-demo.sh menu      menu mode: the shipped hand-off file pops up the context menu
#   scripts/run-demo.sh forms N   a window of the form layer alone, on its tab N (0 to 4)
#
# With a display of your own (DISPLAY set before `make run`) the windows appear on it and the
# script waits until the programs have ended. Without one, with-wine.sh runs a hidden X server:
# the script then runs the program in a Wine virtual desktop, saves a screenshot to
# build/demo/<mode>.png and ends it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-settings}"
exe="${TOBRIN_EXE:-$root/build/windows/launcher/win32/Tobrin.exe}"
settings_exe="${TOBRIN_PLUS_EXE:-$root/build/windows/settings/win32/TobrinPlus.exe}"
forms_exe="$root/build/windows/tests/wine/tb_forms_demo.exe"
shots="$root/build/demo"

case "$mode" in settings|view|menu|forms) ;; *) echo "usage: $0 [settings|view|menu|forms N]" >&2; exit 2 ;; esac
: "${WINEPREFIX:?run this through scripts/with-wine.sh}"
[ -f "$exe" ] || { echo "no $exe: build it first (make windows)" >&2; exit 1; }
if [ "$mode" = settings ] && [ ! -f "$settings_exe" ]; then
  echo "no $settings_exe: build it first (make windows)" >&2; exit 1
fi

windows_path_to_unix() { winepath -u "$1" 2>/dev/null; }

# The program folder, as an installation would lay it out: the program and its settings.
install_win='C:\Program Files\TobrinPlus'
install_dir="$(windows_path_to_unix "$install_win")"
mkdir -p "$install_dir/demo"
cp "$exe" "$install_dir/Tobrin.exe"
[ -f "$settings_exe" ] && cp "$settings_exe" "$install_dir/TobrinPlus.exe"
cp "$root/data/demo/TobrinPlus.ini" "$install_dir/TobrinPlus.ini"
cp "$root/data/demo/sample.html" "$install_dir/demo/sample.html"
launcher_win="$install_win\\Tobrin.exe"

arguments=()
program_win="$launcher_win"
shot_name="$mode"
if [ "$mode" = settings ]; then
  program_win="$install_win\\TobrinPlus.exe"
  echo "the settings program: $program_win"
elif [ "$mode" = forms ]; then
  program_win="$(winepath -w "$forms_exe" 2>/dev/null)"
  arguments=("${2:-0}")
  shot_name="forms-${2:-0}"
elif [ "$mode" = view ]; then
  # The browser would pass the page's file in its cache; the sample page stands in for it.
  arguments=("$install_win\\demo\\sample.html")
  echo "view-source mode: opening the sample page through Tobrin.exe in Notepad"
else
  # The context-menu script leaves the hand-off file in the user's temporary folder.
  temp_win="$(wine cmd /c 'echo %TEMP%' </dev/null 2>/dev/null | tr -d '\r')"
  temp_dir="$(windows_path_to_unix "$temp_win")"
  mkdir -p "$temp_dir"
  cp "$root/data/demo/Tobrin_Menu.tmp" "$temp_dir/Tobrin_Menu.tmp"
  echo "menu mode: hand-off file copied to $temp_win\\Tobrin_Menu.tmp"
fi

# A display counts as our own hidden one when an Xvfb serves it.
headless() {
  local display="${DISPLAY#:}"
  display="${display%%.*}"
  ps -C Xvfb -o args= 2>/dev/null | grep -Eq "(^| ):${display}( |$)"
}

# The Wine processes of this prefix that the demo is waiting for.
demo_processes_running() {
  local pid
  for pid in $(pgrep -f 'Tobrin\.exe|TobrinPlus\.exe|tb_forms_demo\.exe|notepad\.exe' || true); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
      return 0
    fi
  done
  return 1
}

if headless; then
  mkdir -p "$shots"
  # Put the pointer where the menu is to appear (screen and virtual desktop share the origin).
  command -v xdotool >/dev/null && xdotool mousemove 240 160 || true
  wine explorer /desktop=TobrinDemo,1024x768 "$program_win" "${arguments[@]}" \
    </dev/null >/dev/null 2>&1 &
  sleep "${DEMO_SETTLE_SECONDS:-6}"
  import -window root "$shots/$shot_name.png"
  echo "no display of your own: screenshot saved to $shots/$shot_name.png"
  echo "(set DISPLAY to an X server of yours to see the windows and use them)"
else
  wine "$program_win" "${arguments[@]}" </dev/null >/dev/null 2>&1 &
  echo "waiting until the programs have ended (close their windows, or pick a menu entry)"
  sleep 2
  while demo_processes_running; do sleep 1; done
fi
