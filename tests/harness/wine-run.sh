#!/usr/bin/env bash
# Runs one Windows program under Wine in a fresh copy of a template prefix, with its own
# Xvfb display and a wineserver kept warm for the run, then removes the copy.
# Usage: wine-run.sh --templates DIR PROGRAM [ARGS...]
# Environment: UNZORL_FAMILY (win98 or winxp, default winxp), UNZORL_TIMEOUT (seconds,
# default 120), UNZORL_KEEP_PREFIX=1 to keep the copy (its path is printed on stderr).
# The program's exit code is the script's; a time-out gives 124.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

templates=
while [ $# -gt 0 ]; do
  case $1 in
    --templates) templates=$2; shift 2 ;;
    *) break ;;
  esac
done
[ -n "$templates" ] || { echo "wine-run: --templates DIR is required" >&2; exit 2; }
family=${UNZORL_FAMILY:-winxp}
template=$templates/$family-$(wine --version | tr -c 'A-Za-z0-9.\n' '_')

if [ ! -d "$template" ]; then
  mkdir -p "$templates"
  flock "$templates/.lock" "$here/make-template.sh" "$family" "$template" || exit 3
fi

prefix=$(mktemp -d "${TMPDIR:-/tmp}/unzorl-prefix.XXXXXX")
cp -a "$template/." "$prefix/"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

source "$here/xvfb.sh"
start_xvfb || exit 3

cleanup() {
  wineserver -k 2>/dev/null
  stop_xvfb
  if [ "${UNZORL_KEEP_PREFIX:-0}" = 1 ]; then echo "wine-run: prefix kept in $prefix" >&2; else rm -rf "$prefix"; fi
}
trap cleanup EXIT

wineserver -p 30
timeout -k 5 "${UNZORL_TIMEOUT:-120}" wine "$@"
status=$?
exit $status
