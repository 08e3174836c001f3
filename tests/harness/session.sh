# A Wine session for a script test (sourced): a fresh copy of the template prefix of
# one family, a private Xvfb and a wineserver kept warm until session_end.
#   session_start FAMILY      (win98 or winxp; needs UNZORL_WINE_TEMPLATES)
#   session_wine PROGRAM ARGS (runs under timeout; returns the program's exit code)
#   session_end               (also run on exit)
# Afterwards $WINEPREFIX and $drive_c name the copy.
harness_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$harness_dir/xvfb.sh"

session_start() {
  local family=$1 templates=${UNZORL_WINE_TEMPLATES:?UNZORL_WINE_TEMPLATES is not set}
  local template=$templates/$family-$(wine --version | tr -c 'A-Za-z0-9.\n' '_')
  if [ ! -d "$template" ]; then
    mkdir -p "$templates"
    flock "$templates/.lock" "$harness_dir/make-template.sh" "$family" "$template" || return 3
  fi
  # Prefix copies go to memory when there is room: copying is then about twice as fast.
  local base=${UNZORL_PREFIX_DIR:-/dev/shm}
  [ -d "$base" ] && [ -w "$base" ] && [ "$(df -Pm "$base" | awk 'NR==2 {print $4}')" -gt 2048 ] || base=${TMPDIR:-/tmp}
  WINEPREFIX=$(mktemp -d "$base/unzorl-prefix.XXXXXX")
  cp -a "$template/." "$WINEPREFIX/"
  export WINEPREFIX WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  drive_c=$WINEPREFIX/drive_c
  start_xvfb || return 3
  trap session_end EXIT
  wineserver -p 30
}

session_wine() {
  timeout -k 5 "${UNZORL_TIMEOUT:-120}" wine "$@"
}

session_end() {
  [ -n "${WINEPREFIX:-}" ] || return 0
  wineserver -k 2>/dev/null
  stop_xvfb
  if [ "${UNZORL_KEEP_PREFIX:-0}" = 1 ]; then echo "session: prefix kept in $WINEPREFIX" >&2; else rm -rf "$WINEPREFIX"; fi
  WINEPREFIX=
}
