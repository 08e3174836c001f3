#!/usr/bin/env bash
# The demonstration: builds UNZORL32.EXE and runs it under Wine, silently, on a sample
# install log, then shows what the run left behind.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target UNZORL32 >/dev/null

export UNZORL_WINE_TEMPLATES=$root/build/windows/wine-templates
source tests/harness/session.sh
session_start winxp

app="$drive_c/EDITOR"
mkdir -p "$app"
cp build/windows/app/UNZORL32.EXE tools/demo/INSTALL.LOG "$app/"
echo "EDIT" >"$app/EDITOR.EXE"

echo 'Running: C:\EDITOR\UNZORL32.EXE /S C:\EDITOR\INSTALL.LOG'
set +e
session_wine 'C:\EDITOR\UNZORL32.EXE' /S 'C:\EDITOR\INSTALL.LOG'
status=$?
set -e
echo "Exit code: $status"
echo "Temporary copy for self-removal:"
find "$drive_c/users" -iname 'KPM1A2B.EXE' -printf '  %P\n'
echo "Deletion scheduled at the next restart:"
session_wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations | tr -d '\r' | sed -n 's/^ *PendingFileRenameOperations *REG_MULTI_SZ */  /p'
