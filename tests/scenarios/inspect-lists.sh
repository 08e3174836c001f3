#!/usr/bin/env bash
# The logs zorl-setup writes, read by unzorl-inspect.exe, yield the lists their manifests
# imply: one installation with every kind of record, and an installation upgraded twice.
# Usage: inspect-lists.sh FAMILY
source "$(dirname "$0")/../harness/scenario.sh"
scenario_begin "${1:-winxp}"
setup every-record.manifest
log=$(linux_path 'C:\Program Files\Zorl Up\INSTALL.LOG')
setup upgrade-1.manifest
setup upgrade-2.manifest
export SIZE2=$(stat -c %s "$log")
setup upgrade-3.manifest
run_to "$scenario_work/every-record.json" UNZORL_INSPECT 'C:\Program Files\Zorl Demo\INSTALL.LOG'
run_to "$scenario_work/upgrade.json" UNZORL_INSPECT 'C:\Program Files\Zorl Up\INSTALL.LOG'
check inspect.expect
scenario_end
