#!/usr/bin/env bash
# The demonstration: builds the Windows programs, installs a small application twice
# (an installation and an upgrade) under Wine with zorl-setup, shows what the uninstaller
# reads from its INSTALL.LOG, then runs UNZORL32.EXE silently and shows what it left:
# the status report and its own temporary copy, scheduled for deletion at restart.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" --target UNZORL32 zorl-setup unzorl-inspect >/dev/null
program() { sed -n "s/^$1=//p" build/windows/programs.env; }

export UNZORL_WINE_TEMPLATES=$root/build/windows/wine-templates
source tests/harness/session.sh
session_start winxp
demo=Z:$(echo "$root/tools/demo" | tr / '\\')

echo "== Installing Zorl Editor 1.0, then the 1.1 upgrade (zorl-setup.exe)"
for manifest in editor-1 editor-2; do
  session_wine "$(program ZORL_SETUP)" "/U=$(program UNZORL32)" "$demo\\$manifest.manifest" >/dev/null
done
echo "== C:\\ZEDITOR\\INSTALL.LOG"
tr -d '\r' <"$drive_c/ZEDITOR/INSTALL.LOG" | sed 's/^/  /'

echo "== What the uninstaller reads from it (unzorl-inspect.exe)"
session_wine "$(program UNZORL_INSPECT)" 'C:\ZEDITOR\INSTALL.LOG' | tr -d '\r' >"$WINEPREFIX/lists.json"
python3 - "$WINEPREFIX/lists.json" <<'PY'
import json, sys
data = json.load(open(sys.argv[1]))
print(f"  {data['LogTitle']}: {data['InstallCount']} installations, last section at byte {data['LastSectionOffset']}")
for name, value in data.items():
    if isinstance(value, list) and value:
        first = value[0]
        label = first.get("Path") or first.get("Key") or first.get("File") or first.get("Name") or first.get("Data", "")
        print(f"  {name}: {len(value)} (first: {label})")
PY

echo "== Running C:\\ZEDITOR\\UNZORL32.EXE /S C:\\ZEDITOR\\INSTALL.LOG"
set +e
session_wine 'C:\ZEDITOR\UNZORL32.EXE' /S 'C:\ZEDITOR\INSTALL.LOG'
echo "  exit code $?"
set -e
echo "== Status report C:\\windows\\ZEDITOR.MIF (first attribute values)"
tr -d '\r' <"$drive_c/windows/ZEDITOR.MIF" | grep -E 'VALUE|NAME = "(Uninstall|Rollback)' | sed 's/^ */  /' | head -8
echo "== The uninstaller's temporary copy, deleted at the next restart"
session_wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations |
  tr -d '\r' | sed -n 's/^ *PendingFileRenameOperations *REG_MULTI_SZ */  /p'
