#!/usr/bin/env bash
# A Windows program of ours must load no library beyond those that come with Windows:
# every DLL in its import table must be one of the system's own.
# Usage: import_table_test.sh PROGRAM.EXE...
set -uo pipefail
source "$(dirname "$0")/../harness/check.sh"
system_dlls=" KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL COMDLG32.DLL SHELL32.DLL OLE32.DLL MSVCRT.DLL "
for program in "$@"; do
  imports=$(i686-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr a-z A-Z)
  [ -n "$imports" ] || fail "$(basename "$program"): no import table found"
  for dll in $imports; do
    case $system_dlls in *" $dll "*) ;; *) fail "$(basename "$program") imports $dll" ;; esac
  done
  echo "$(basename "$program") imports:" $imports
done
check_summary
