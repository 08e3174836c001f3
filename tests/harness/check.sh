# Assertions for script tests (sourced). Each check prints what went wrong and the
# script ends with check_summary, which fails when any check failed.
check_failures=0

fail() {
  echo "FAIL: $*" >&2
  check_failures=$((check_failures + 1))
}

# check_file_exists DESCRIPTION PATH / check_file_absent DESCRIPTION PATH
check_file_exists() { [ -e "$2" ] || fail "$1: $2 does not exist"; }
check_file_absent() { [ ! -e "$2" ] || fail "$1: $2 exists"; }

# check_equal DESCRIPTION EXPECTED ACTUAL
check_equal() { [ "$2" = "$3" ] || fail "$1: expected [$2], got [$3]"; }

# check_contains DESCRIPTION NEEDLE HAYSTACK
check_contains() {
  case $3 in *"$2"*) ;; *) fail "$1: [$2] not found in [$3]" ;; esac
}

# A path inside the prefix found without regard to letter case (Wine keeps the case
# a program used); prints nothing when there is none.
find_nocase() {
  find "$(dirname "$1")" -maxdepth 1 -iname "$(basename "$1")" 2>/dev/null | head -n 1
}

check_summary() {
  if [ "$check_failures" -ne 0 ]; then
    echo "$check_failures check(s) failed" >&2
    exit 1
  fi
  echo "all checks passed"
}
