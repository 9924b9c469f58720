#!/usr/bin/env bash
# Runs a test program on a real X server of its own (Xvfb), so that what it
# grabs from the screen is what a user would see.
#
# Usage: run_under_xvfb.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
program=${1:?usage: run_under_xvfb.sh PROGRAM [ARGUMENTS...]}
shift
# shellcheck source=tests/support/xvfb_server.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/xvfb_server.sh"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work" || {
    echo "run_under_xvfb: no X server: $(cat "$work/xvfb.log")" >&2
    exit 1
}
QT_QPA_PLATFORM=xcb "$program" "$@"
