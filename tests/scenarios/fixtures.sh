#!/usr/bin/env bash
# The test fixtures behave as other tests rely on: the servers record registration and
# unregistration (through Wine's regsvr32 for the library), and HOLDOPEN keeps a file and
# a loaded library from being deleted until it is told to stop. Usage: fixtures.sh FAMILY
source "$(dirname "$0")/../harness/scenario.sh"
scenario_begin "${1:-winxp}"
setup fixtures.manifest
app='C:\Program Files\Zorl Fixtures'
run regsvr32 /s /u "$app\\ZSRVDLL.DLL"
run "$(linux_path "$app\\ZSRVEXE.EXE")" /UNREGSERVER

# Two holders in the background; each says it is ready by creating its marker.
wine "${scenario_programs[HOLDOPEN]}" "$app\\HELD.TXT" "/ready=$ZORL_WORK\\held.ready" "/stop=$ZORL_WORK\\stop" /seconds=30 &
held=$!
wine "${scenario_programs[HOLDOPEN]}" "$app\\HELDLIB.DLL" /load "/ready=$ZORL_WORK\\lib.ready" "/stop=$ZORL_WORK\\stop" /seconds=30 &
lib=$!
for _ in $(seq 100); do
  [ -e "$scenario_work/held.ready" ] && [ -e "$scenario_work/lib.ready" ] && break
  sleep 0.1
done
run cmd /c del "$app\\HELD.TXT" "$app\\HELDLIB.DLL"
check fixtures-held.expect

touch "$scenario_work/stop"
wait "$held" || scenario_fail "HOLDOPEN (file) exited with $?"
wait "$lib" || scenario_fail "HOLDOPEN (library) exited with $?"
run cmd /c del "$app\\HELD.TXT" "$app\\HELDLIB.DLL"
check fixtures-released.expect
scenario_end
