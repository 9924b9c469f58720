#!/usr/bin/env bash
# Runs a test program on a real X server of its own (Xvfb), so that what it
# grabs from the screen is what a user would see.
#
# Usage: run_under_xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
program=${1:?usage: run_under_xvfb.sh PROGRAM [ARGUMENTS...]}
shift
command -v Xvfb >/dev/null || {
    echo "run_under_xvfb: Xvfb is missing (scripts/ensure-packages installs it)" >&2
    exit 1
}

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=tests/support/xvfb_server.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb_server.sh"
start_xvfb "$work" || {
    echo "run_under_xvfb: Xvfb did not start: $(cat "$work/xvfb.log")" >&2
    exit 1
}
QT_QPA_PLATFORM=xcb "$program" "$@"
