#!/usr/bin/env bash
# A first stage copies the uninstaller to KPM1A2B.EXE in the temporary directory and
# has the copy deleted at the next restart; an in-place run and a second stage make no
# copy. Usage: temp_copy_test.sh FAMILY UNZORL32.EXE
set -uo pipefail
family=$1
uninstaller=$2
here=$(dirname "$0")
source "$here/../harness/session.sh"
source "$here/../harness/check.sh"
session_start "$family" || exit 3

mkdir -p "$drive_c/APP"
printf '*** Test\r\nTitle: Demo\r\n' >"$drive_c/APP/INSTALL.LOG"
cp "$uninstaller" "$drive_c/APP/UNZORL32.EXE"
user=$(basename "$(dirname "$(ls -d "$drive_c"/users/*/Temp | grep -v /Public/ | head -n 1)")")
temp=$drive_c/users/$user/Temp
copy_path() { find_nocase "$temp/KPM1A2B.EXE"; }
wininit() { find_nocase "$drive_c/windows/WININIT.INI"; }
pending() {
  session_wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations 2>/dev/null | tr -d '\r'
}
reset() { rm -f "$(copy_path)" "$(wininit)"; }

# In-place run and second stage: no copy.
for command in "/Z /S C:\\APP\\INSTALL.LOG" "/z C:\\APP\\GONE.EXE C:\\APP\\"; do
  session_wine 'C:\APP\UNZORL32.EXE' $command
  check_equal "exit code of [$command]" 0 $?
  check_equal "copy made by [$command]" "" "$(copy_path)"
done

# First stage with WININIT.INI absent (95 family) or through the registry (NT family).
session_wine 'C:\APP\UNZORL32.EXE' /S 'C:\APP\INSTALL.LOG'
check_equal "exit code of the first stage" 0 $?
copy=$(copy_path)
[ -n "$copy" ] || fail "no KPM1A2B.EXE in $temp"
[ -n "$copy" ] && cmp -s "$uninstaller" "$copy" || fail "the copy differs from the uninstaller"
windows_copy="C:\\users\\$user\\Temp\\$(basename "$copy")"
if [ "$family" = win98 ]; then
  check_equal "WININIT.INI created" "$(printf '[rename]\r\nNUL=%s\r' "$windows_copy")" "$(cat "$(wininit)")"
  # A second first stage appends its line to the existing file.
  printf '[rename]\r\nNUL=C:\\OLD.TMP\r\n' >"$drive_c/windows/WININIT.INI"
  session_wine 'C:\APP\UNZORL32.EXE' /S 'C:\APP\INSTALL.LOG'
  check_equal "line appended to WININIT.INI" "$(printf '[rename]\r\nNUL=C:\\OLD.TMP\r\nNUL=%s\r' "$windows_copy")" "$(cat "$drive_c/windows/WININIT.INI")"
else
  check_contains "deletion pending at restart" "\\??\\$windows_copy" "$(pending)"
  check_equal "nothing written to WININIT.INI" "" "$(wininit)"
fi

# A restart carries out the deletion.
wineserver -k
timeout 60 wine wineboot -r >/dev/null 2>&1
wineserver -w
check_equal "copy left after the restart" "" "$(copy_path)"

check_summary
