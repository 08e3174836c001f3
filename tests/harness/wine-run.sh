#!/usr/bin/env bash
# Runs one Windows program under Wine in a fresh copy of a template prefix, with its own
# Xvfb display and a wineserver kept warm for the run, then removes the copy.
# Usage: wine-run.sh --templates DIR PROGRAM [ARGS...]
# Environment: UNZORL_FAMILY (win98 or winxp, default winxp), UNZORL_TIMEOUT (seconds,
# default 120), UNZORL_KEEP_PREFIX=1 to keep the copy (its path is printed on stderr).
# The program's exit code is the script's; a time-out gives 124.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/prefix.sh"

templates=
while [ $# -gt 0 ]; do
  case $1 in
    --templates) templates=$2; shift 2 ;;
    *) break ;;
  esac
done
[ -n "$templates" ] || { echo "wine-run: --templates DIR is required" >&2; exit 2; }

trap prefix_stop EXIT
prefix_start "$templates" "${UNZORL_FAMILY:-winxp}" || exit 3
timeout -k 5 "${UNZORL_TIMEOUT:-120}" wine "$@"
