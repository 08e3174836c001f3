# End-to-end scenarios: one fresh prefix and one Wine session per scenario, in which
# zorl-setup installs, the uninstaller or the inspection tool runs, and zorl-check checks
# what the system holds. Sourced by each scenario script:
#
#   source "$(dirname "$0")/../harness/scenario.sh"
#   scenario_begin winxp            # fresh prefix of the family, Wine started
#   setup full.manifest             # zorl-setup with a manifest from the data folder
#   run UNZORL32 /S "$LOG"          # any built program (programs.env name) or wine program
#   check full.expect               # zorl-check with an expectation file from the data folder
#   scenario_end                    # prints the costs; exits 1 when any step failed
#
# Environment (ctest sets it): UNZORL_PROGRAMS (the build's programs.env),
# UNZORL_WINE_TEMPLATES (session.sh), UNZORL_TIMEOUT (seconds
# per program, default 60). Every program from programs.env is also exported to the
# Windows programs under its name as a Windows path (%ZSRVDLL% in a manifest), and so
# are ZORL_DATA (the data folder) and ZORL_WORK (a scratch folder for outputs).
set -uo pipefail
scenario_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$scenario_here/session.sh"

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

scenario_name=$(basename "$0" .sh)
scenario_failures=0
declare -A scenario_programs  # programs.env name -> Linux path
scenario_steps=
scenario_data=$(cd "$(dirname "$0")/data" && pwd)

# The Windows path of a Linux path: Wine's drive Z: is the Linux root.
winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }

scenario_fail() {
  echo "FAIL [$scenario_name]: $*"
  scenario_failures=$((scenario_failures + 1))
}

# Times one command and keeps the figure for the summary.
timed() {
  local label=$1 start status
  shift
  start=$(now_ms)
  "$@"
  status=$?
  scenario_steps+="  $label: $(( $(now_ms) - start )) ms"$'\n'
  return $status
}

scenario_begin() {
  local family=$1 name path
  scenario_family=$family
  scenario_start_ms=$(now_ms)
  [ -n "${UNZORL_PROGRAMS:-}" ] && [ -f "$UNZORL_PROGRAMS" ] || { echo "scenario: UNZORL_PROGRAMS not set" >&2; exit 2; }
  while IFS='=' read -r name path; do
    [ -n "$name" ] || continue
    scenario_programs[$name]=$path
    export "$name=$(winpath "$path")"
  done <"$UNZORL_PROGRAMS"
  timed "prefix copy and display" session_start "$family" || { echo "scenario: no prefix" >&2; exit 3; }
  scenario_work=$(mktemp -d "${TMPDIR:-/tmp}/unzorl-work.XXXXXX")
  export ZORL_DATA ZORL_WORK
  ZORL_DATA=$(winpath "$scenario_data")
  ZORL_WORK=$(winpath "$scenario_work")
  # The first program starts the Wine session: its services, the desktop and Program Manager.
  timed "wine start" timeout 60 wine cmd /c exit 0 >/dev/null 2>&1
}

# run PROGRAM ARGS...: runs a built program (its programs.env name) or any Windows
# program; expects exit code 0 (EXPECT_EXIT=n run ... expects n). Output goes to the test log.
run() {
  local program=$1 linux status want=${EXPECT_EXIT:-0}
  shift
  linux=${scenario_programs[$program]:-$program}
  timed "$program $*" timeout -k 5 "${UNZORL_TIMEOUT:-60}" wine "$linux" "$@"
  status=$?
  [ "$status" -eq "$want" ] || scenario_fail "$program $* exited with $status, expected $want"
  return 0
}

# run_to FILE PROGRAM ARGS...: the same, standard output into FILE (a Linux path).
run_to() {
  local out=$1 program=$2 linux status want=${EXPECT_EXIT:-0}
  shift 2
  linux=${scenario_programs[$program]:-$program}
  timed "$program $* > $(basename "$out")" timeout -k 5 "${UNZORL_TIMEOUT:-60}" wine "$linux" "$@" >"$out"
  status=$?
  [ "$status" -eq "$want" ] || scenario_fail "$program $* exited with $status, expected $want"
  return 0
}

# setup MANIFEST: zorl-setup with a manifest of the data folder, UNZORL32.EXE from the build.
setup() { run ZORL_SETUP "/U=$UNZORL32" "$ZORL_DATA\\$1"; }

# check EXPECTATIONS...: zorl-check with expectation files of the data folder.
check() {
  local args=() f
  for f in "$@"; do args+=("$ZORL_DATA\\$f"); done
  run ZORL_CHECK "${args[@]}"
}

# The Linux path of a Windows path on drive C:.
linux_path() { local p=${1#[Cc]:}; echo "$drive_c${p//\\//}"; }

scenario_end() {
  timed "end of session" session_end
  rm -rf "$scenario_work"
  echo "scenario $scenario_name ($scenario_family), costs:"
  printf '%s' "$scenario_steps"
  echo "scenario $scenario_name: $(( $(now_ms) - scenario_start_ms )) ms in all, $scenario_failures failure(s)"
  [ "$scenario_failures" -eq 0 ]
  exit $?
}
