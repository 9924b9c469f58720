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

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 200); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || {
    echo "run_under_xvfb: Xvfb did not start: $(cat "$work/xvfb.log")" >&2
    exit 1
}
DISPLAY=":$(<"$work/display")" QT_QPA_PLATFORM=xcb "$program" "$@"
