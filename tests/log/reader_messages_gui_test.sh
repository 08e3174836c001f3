#!/usr/bin/env bash
# UNZORL32.EXE given a log it cannot open, or an invalid one, shows message 3 or 4 in a
# message box captioned "Zorl Uninstall"; after OK the run ends with exit code 0.
# Usage: reader_messages_gui_test.sh FAMILY UNZORL32.EXE WINDOW-DRIVER.EXE
set -uo pipefail
family=$1
uninstaller=$2
driver=$3
here=$(dirname "$0")

source "$here/../harness/session.sh"
source "$here/../harness/check.sh"
session_start "$family" || exit 3

mkdir -p "$drive_c/ZORLAPP"
cp "$uninstaller" "$drive_c/ZORLAPP/UNZORL32.EXE"
cp "$driver" "$drive_c/ZORLAPP/DRIVER.EXE"
: >"$drive_c/ZORLAPP/EMPTY.LOG"
printf '*** Zorl\r\ntitle: Zorl Installation\r\n' >"$drive_c/ZORLAPP/NOTITLE.LOG"

while IFS='|' read -r log message; do
  session_wine 'C:\ZORLAPP\UNZORL32.EXE' "$log" &
  run=$!
  box=$(session_wine 'C:\ZORLAPP\DRIVER.EXE' --class '#32770' --title 'Zorl Uninstall' --timeout 30000 --press OK | tr -d '\r')
  found=$?
  echo "$log:"; echo "$box"
  check_equal "driver found the box for $log" 0 "$found"
  check_contains "caption for $log" "window: Zorl Uninstall" "$box"
  check_contains "text for $log" "static: $message" "$box"
  wait "$run"
  check_equal "exit code for $log" 0 $?
done <<'CASES'
C:\ZORLAPP\NONE.LOG|Could not open INSTALL.LOG file.
C:\ZORLAPP\EMPTY.LOG|Invalid INSTALL.LOG file.
C:\ZORLAPP\NOTITLE.LOG|Invalid INSTALL.LOG file.
CASES

check_summary
