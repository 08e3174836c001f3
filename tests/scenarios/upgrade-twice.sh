#!/usr/bin/env bash
# An installation upgraded twice: each run of zorl-setup appends one section, numbered by
# its place, starting where the log ended. Usage: upgrade-twice.sh FAMILY
source "$(dirname "$0")/../harness/scenario.sh"
scenario_begin "${1:-winxp}"
log=$(linux_path 'C:\Program Files\Zorl Up\INSTALL.LOG')
setup upgrade-1.manifest
export SIZE1=$(stat -c %s "$log")
setup upgrade-2.manifest
export SIZE2=$(stat -c %s "$log")
setup upgrade-3.manifest
check upgrade.expect
scenario_end
