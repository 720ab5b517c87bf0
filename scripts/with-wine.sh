#!/usr/bin/env bash
# Runs a command with a ready Wine session: a Japanese locale (ANSI code page 932), a prefix of
# the project's own, an X display (Xvfb when none is set) and a wineserver kept alive throughout,
# so that the many Wine processes of a test run do not each pay for starting one.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

# Wine takes its code page from LC_ALL; the locale need not exist on the Linux side.
export LC_ALL=ja_JP.UTF-8 2>/dev/null
# Wine names Linux files in the Linux locale's character set: without a Japanese UTF-8 locale
# a Japanese file name cannot be created. Build one in the build folder when the system lacks it.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  export LOCPATH="$root/build/locale"
  mkdir -p "$LOCPATH"
  [ -d "$LOCPATH/ja_JP.UTF-8" ] || localedef -i ja_JP -f UTF-8 "$LOCPATH/ja_JP.UTF-8" >/dev/null 2>&1 || true
fi
export WINEPREFIX="${WINEPREFIX:-$root/build/wine-prefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
mkdir -p "$(dirname "$WINEPREFIX")"

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    break
  done
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  # wineboot leaves its own server running for a while; a persistent one can start only after.
  wineserver -w || true
fi
wineserver -p
# The first Wine program of a session starts Wine's background services, which inherit its
# standard streams and outlive it; start them here with no streams of the caller's, or a test
# runner that reads a test's output would wait for them forever.
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
# The forms ask for "ＭＳ Ｐゴシック", a Windows font that Wine lacks: the prefix substitutes the
# installed Japanese font (fonts-ipafont-gothic) for it and its kin, so that captions keep
# their look and size. Done once per prefix; the marker names the mapping's version.
fonts_marker="$WINEPREFIX/.tobrin-font-replacements-1"
if [ ! -f "$fonts_marker" ]; then
  for face in "ＭＳ Ｐゴシック=IPAPGothic" "ＭＳ ゴシック=IPAGothic" "MS PGothic=IPAPGothic" \
              "MS Gothic=IPAGothic" "MS UI Gothic=IPAPGothic"; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${face%%=*}" /d "${face#*=}" /f \
      </dev/null >/dev/null 2>&1 || true
  done
  touch "$fonts_marker"
fi
"$@"
