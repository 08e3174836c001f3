#!/usr/bin/env bash
# "zorl-setup /X=LIST" brings back what a hand-written repair list names: a deleted file
# and a damaged one (other size, read-only). Usage: extract-list.sh FAMILY
source "$(dirname "$0")/../harness/scenario.sh"
scenario_begin "${1:-winxp}"
setup extract.manifest
app=$(linux_path 'C:\Program Files\Zorl Fix')
rm "$app/APP.EXE"
echo "damaged" >"$app/DATA.BIN"
chmod a-w "$app/DATA.BIN"
run ZORL_SETUP "/X=$ZORL_DATA\\repair.lst"
EXPECT_EXIT=1 run ZORL_SETUP "/X=$ZORL_DATA\\repair-bad.lst"
check extract.expect
scenario_end
