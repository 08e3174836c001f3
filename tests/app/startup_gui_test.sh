#!/usr/bin/env bash
# How start-up finds its log: with an empty command line and INSTALL.LOG beside the
# program, that log is used without a dialog; without one, and for "/S" alone, the
# open-file dialog is shown and cancelling it ends the run with exit code 0. The second
# argument, quotes dropped, is the background window's caption.
# Usage: startup_gui_test.sh FAMILY UNZORL32.EXE WINDOW-DRIVER.EXE
set -uo pipefail
family=$1
uninstaller=$2
driver=$3
here=$(dirname "$0")
source "$here/../harness/session.sh"
source "$here/../harness/check.sh"
session_start "$family" || exit 3

mkdir -p "$drive_c/ZAPP" "$drive_c/ZNOLOG"
cp "$uninstaller" "$drive_c/ZAPP/UNZORL32.EXE"
cp "$uninstaller" "$drive_c/ZNOLOG/UNZORL32.EXE"
cp "$driver" "$drive_c/DRIVER.EXE"
# A log that names a status report: its file shows that the run read this log.
printf '*** Zorl\r\nTitle: Zorl App\r\nUninstall MIF: ZAPP.MIF\r\n' >"$drive_c/ZAPP/INSTALL.LOG"
report=$drive_c/windows/ZAPP.MIF
driver() { session_wine 'C:\DRIVER.EXE' "$@" | tr -d '\r'; }

# INSTALL.LOG beside the program: used without a dialog.
session_wine 'C:\ZAPP\UNZORL32.EXE'
check_equal "exit code with INSTALL.LOG beside" 0 $?
check_file_exists "status report of the log beside the program" "$report"
rm -f "$report"

# No log beside it: the open-file dialog, pre-set to INSTALL.LOG; Cancel ends the run.
for arguments in "" "/S"; do
  session_wine 'C:\ZNOLOG\UNZORL32.EXE' $arguments &
  run=$!
  dialog=$(driver --class '#32770' --title Open --timeout 30000 --press Cancel)
  check_equal "open-file dialog for [$arguments]" 0 $?
  check_contains "dialog of [$arguments] asks for a file name" "static: File &name:" "$dialog"
  wait "$run"
  check_equal "exit code after Cancel for [$arguments]" 0 $?
done

# The caption comes from the second argument; the run waits in the reader's message box.
printf '[Settings]\r\nNo Background=0\r\n' >"$drive_c/ZAPP/UNZORL32.INI"
# A batch file passes the quotes unchanged (wine's own command line would escape them).
printf 'C:\\ZAPP\\UNZORL32.EXE C:\\ZAPP\\NONE.LOG "My Application"\r\n' >"$drive_c/CAPTION.BAT"
session_wine cmd /c 'C:\CAPTION.BAT' &
run=$!
driver --class '#32770' --title 'Zorl Uninstall' --timeout 30000 >/dev/null
background=$(driver --class KPMZUninstall --timeout 5000)
check_contains "caption of the background window" "window: My Application" "$background"
driver --class '#32770' --title 'Zorl Uninstall' --timeout 5000 --press OK >/dev/null
wait "$run"
check_equal "exit code after message 3" 0 $?
check_file_absent "no status report after a failed read" "$report"

check_summary
