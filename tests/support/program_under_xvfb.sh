# shellcheck shell=bash
# Shared by the end-to-end scripts that drive the real window program under
# an X server of its own (Xvfb) with real X input events. Sourcing it starts
# the server and gives the program a home and a configuration folder of its
# own; everything is stopped and removed when the script exits.
#
# Set before sourcing: name (the script's name, for messages) and program
# (the program to run). Set by it: work (a private folder), ini (the
# program's settings file, not yet there) and DISPLAY.

fail() {
    # shellcheck disable=SC2154 # set by the sourcing script
    echo "$name: $*" >&2
    [[ -n ${xvfb_pid:-} ]] && xvfb_state >&2
    local log
    for log in program.log xvfb.log; do
        if [[ -s ${work:-}/$log ]]; then
            echo "--- $log" >&2
            cat "$work/$log" >&2
        fi
    done
    exit 1
}

# shellcheck disable=SC2154 # set by the sourcing script
[[ -x $program ]] || fail "no program at $program"

# shellcheck source=tests/support/xvfb_server.sh
source "$(dirname "${BASH_SOURCE[0]}")/xvfb_server.sh"

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    if [[ -n $program_pid ]]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
}

start_xvfb "$work" || fail "no X server (see xvfb.log below)"
export HOME=$work/home
export XDG_CONFIG_HOME=$work/config
unset QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
# shellcheck disable=SC2034 # for the sourcing script
ini=$XDG_CONFIG_HOME/TOLVANEX.INI

# The id of a shown window whose title is exactly $1, if there is one.
shown_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

window_shown() { [[ -n $(shown_window "$1") ]]; }

# Starts the program without waiting for anything.
launch_program() {
    "$program" >>"$work/program.log" 2>&1 &
    program_pid=$!
}

# Starts the program and waits until its window is shown and has the
# keyboard focus; the window's id is then in $window.
window=
start_program() {
    launch_program
    wait_for 15 window_shown 'Velmar Converter' || fail "the window did not appear"
    window=$(shown_window 'Velmar Converter')
    timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"
}

program_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# Waits for the program to end by itself and checks its exit code.
wait_for_end() {
    wait_for 15 program_ended || fail "the program did not end"
    local status=0
    wait "$program_pid" || status=$?
    program_pid=
    ((status == 0)) || fail "the program ended with exit code $status"
}

# The value of a key in a section of a settings file.
value() {
    local file=$1 section=$2 key=$3
    awk -v section="[$section]" -v key="$key" '
        /^\[/ { inside = ($0 == section); next }
        inside && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }
    ' "$file"
}

expect_value() {
    local file=$1 section=$2 key=$3 expected=$4
    local actual
    actual=$(value "$file" "$section" "$key")
    [[ $actual == "$expected" ]] || fail "$(basename "$file"): [$section] $key is '$actual', expected '$expected'"
}
