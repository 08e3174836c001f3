#!/usr/bin/env bash
# Installs whatever is missing, builds the Windows programs and the host tests, and runs
# every test (host unit tests, a short fuzz run, Windows tests and scenarios under Wine)
# in one ctest run.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
cmake --preset host -DUNZORL_WINDOWS_BUILD="$PWD/build/windows" -DUNZORL_FUZZ_BUILD="$PWD/build/fuzz" >/dev/null
cmake --build --preset host -j"$jobs"
exec ctest --test-dir build/host -j"$jobs" --output-on-failure --timeout 900
