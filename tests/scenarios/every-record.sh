#!/usr/bin/env bash
# One installation with one of every kind of record: the system holds what the manifest
# says, and the log records it line by line. Usage: every-record.sh FAMILY
source "$(dirname "$0")/../harness/scenario.sh"
scenario_begin "${1:-winxp}"
setup every-record.manifest
check every-record.expect
scenario_end
