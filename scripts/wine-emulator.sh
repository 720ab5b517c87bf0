#!/usr/bin/env bash
# CMake's emulator for cross-built test programs: runs one Windows program under Wine 64-bit.
export LC_ALL=ja_JP.UTF-8
export WINEDEBUG="${WINEDEBUG:--all}"
exec wine "$@"
