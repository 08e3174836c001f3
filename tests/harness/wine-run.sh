#!/usr/bin/env bash
# Runs one Windows program under Wine in a fresh copy of a template prefix (see
# session.sh), then removes the copy.
# Usage: wine-run.sh --templates DIR PROGRAM [ARGS...]
# Environment: UNZORL_FAMILY (win98 or winxp, default winxp), UNZORL_TIMEOUT (seconds,
# default 120), UNZORL_KEEP_PREFIX=1 to keep the copy (its path is printed on stderr).
# The program's exit code is the script's; a time-out gives 124.
set -uo pipefail
[ "${1:-}" = --templates ] || { echo "wine-run: --templates DIR is required" >&2; exit 2; }
export UNZORL_WINE_TEMPLATES=$2
shift 2
source "$(dirname "$0")/session.sh"
session_start "${UNZORL_FAMILY:-winxp}" || exit 3
session_wine "$@"
