#!/usr/bin/env bash
# A silent uninstall of an installation whose log names a status report leaves the MIF
# file in the Windows directory: the built-in template with the log's values, byte for
# byte but the date; /R reports a rollback; with the status library beside the
# uninstaller, the library takes the report and no file is written.
# Usage: status-report.sh FAMILY
source "$(dirname "$0")/../harness/scenario.sh"
scenario_begin "${1:-winxp}"
setup status-report.manifest
mif=$(linux_path 'C:\windows\ZORLMIF.MIF')

# The report with its date replaced by DATE, compared with the expected bytes.
check_report() {
  local expected=$scenario_data/$1
  if [ ! -f "$mif" ]; then
    scenario_fail "no status report $mif"
  elif ! sed -E 's#"[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{1,2}:[0-9]{2}"#"DATE"#' "$mif" | cmp -s - "$expected"; then
    scenario_fail "status report differs from $1:"
    sed -E 's#"[0-9]{2}/[0-9]{2}/[0-9]{2} [0-9]{1,2}:[0-9]{2}"#"DATE"#' "$mif" | diff - "$expected" | head -20
  fi
  rm -f "$mif"
}

run 'C:\ZORLMIF\UNZORL32.EXE' /S 'C:\ZORLMIF\INSTALL.LOG'
check_report status-report-uninstall.mif
run 'C:\ZORLMIF\UNZORL32.EXE' /S /R 'C:\ZORLMIF\INSTALL.LOG'
check_report status-report-rollback.mif

# The status library next to the uninstaller takes the report.
cp "${scenario_programs[ISMIF32]}" "$(linux_path 'C:\ZORLMIF\ismif32.dll')"
run 'C:\ZORLMIF\UNZORL32.EXE' /S 'C:\ZORLMIF\INSTALL.LOG'
calls=$(linux_path 'C:\ZORLMIF\ismif32-calls.txt')
expected_calls=$'ZORLMIF.MIF\nAcme\nEditor %1% 100%\n2.0\nENU\n123\nUninstall successful\n1'
[ "$(cat "$calls" 2>/dev/null)" = "$expected_calls" ] || scenario_fail "library arguments: [$(cat "$calls" 2>/dev/null)]"
[ ! -e "$mif" ] || scenario_fail "the library took the report, yet $mif was written"
scenario_end
