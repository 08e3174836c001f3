#!/usr/bin/env bash
# Prepares a 32-bit Wine prefix to copy for each test: booted once, crash dialogs off,
# a virtual desktop for real window frames, and the Windows version of one family.
# Usage: make-template.sh FAMILY DIR   (FAMILY: win98 for the Windows 95 family,
# nt40, winxp or win7 for the NT family). Does nothing when DIR already exists.
set -euo pipefail
family=$1
dir=$2
[ -d "$dir" ] && exit 0

mkdir -p "$(dirname "$dir")"
work=$(mktemp -d "$dir.XXXXXX")
trap 'WINEPREFIX="$work" wineserver -k 2>/dev/null || true; rm -rf "$work"' ERR

export WINEPREFIX=$work WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
unset DISPLAY  # the prefix is made without a window

timeout 180 wineboot -i >/dev/null 2>&1
reg() { timeout 60 wine reg add "$@" /f >/dev/null 2>&1; }
reg 'HKCU\Software\Wine' /v Version /d "$family"
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
reg 'HKCU\Software\Wine\Explorer' /v Desktop /d Default
reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600
timeout 60 wineserver -w

trap - ERR
mv -T "$work" "$dir" 2>/dev/null || rm -rf "$work"  # another maker may have won the race
