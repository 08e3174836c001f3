# A fresh Wine prefix for one test: a copy of the family's template prefix, a private
# Xvfb display and a wineserver kept warm while the test runs (sourced by wine-run.sh
# and scenario.sh).
#   prefix_start TEMPLATES FAMILY   sets WINEPREFIX, DISPLAY and PREFIX_COPY_MS
#   prefix_stop                     ends the wineserver and Xvfb and removes the copy
#                                   (UNZORL_KEEP_PREFIX=1 keeps it and prints its path)
prefix_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$prefix_here/xvfb.sh"
prefix_dir=

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

prefix_start() {
  local templates=$1 family=$2 template start
  template=$templates/$family-$(wine --version | tr -c 'A-Za-z0-9.\n' '_')
  if [ ! -d "$template" ]; then
    mkdir -p "$templates"
    flock "$templates/.lock" "$prefix_here/make-template.sh" "$family" "$template" || return 3
  fi
  start=$(now_ms)
  prefix_dir=$(mktemp -d "${TMPDIR:-/tmp}/unzorl-prefix.XXXXXX")
  cp -a "$template/." "$prefix_dir/"
  PREFIX_COPY_MS=$(( $(now_ms) - start ))
  export WINEPREFIX=$prefix_dir WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
  start_xvfb || return 3
  wineserver -p 30
}

prefix_stop() {
  [ -n "$prefix_dir" ] || return 0
  wineserver -k 2>/dev/null
  stop_xvfb
  if [ "${UNZORL_KEEP_PREFIX:-0}" = 1 ]; then
    echo "prefix kept in $prefix_dir" >&2
  else
    rm -rf "$prefix_dir"
  fi
  prefix_dir=
}
