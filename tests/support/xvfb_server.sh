# shellcheck shell=bash
# Starts an X server of the caller's own (Xvfb) for a test. Display numbers
# are drawn at random from 100 to 999, away from :0 and the low numbers that
# desktops, other test runs and containers sharing this network's abstract
# socket names take first. The display is taken only once a real client has
# been served on it; a server that dies or cannot be reached is replaced by
# one on another number, so tests that start servers side by side do not
# fail now and then. -noreset: by default the server resets whenever its last
# client leaves, and a program that connects during that reset (the second
# start of a restart test) is refused.
#
# start_xvfb FOLDER: FOLDER is private to the caller and receives the
# server's files (display, xvfb.log). Sets xvfb_pid and exports DISPLAY;
# false when no server came up, with the reason in xvfb.log. The caller stops
# the server.
start_xvfb() {
    local folder=$1 attempt tries number tool
    for tool in Xvfb xdotool; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is missing (scripts/ensure-packages installs it)" >>"$folder/xvfb.log"
            return 1
        fi
    done
    for attempt in 1 2 3 4 5; do
        number=$((100 + RANDOM % 900))
        : >"$folder/display"
        Xvfb ":$number" -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
            3>"$folder/display" 2>>"$folder/xvfb.log" &
        xvfb_pid=$!
        for ((tries = 0; tries < 200; ++tries)); do
            if [[ -n $(<"$folder/display") ]]; then
                if DISPLAY=":$number" timeout 10 xdotool getdisplaygeometry >/dev/null 2>>"$folder/xvfb.log"; then
                    export DISPLAY=":$number"
                    return 0
                fi
                break
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        stop_xvfb
        echo "start_xvfb: attempt $attempt on :$number gave no usable display" >>"$folder/xvfb.log"
    done
    return 1
}

# Stops the server and waits for it: one still shutting down would remove
# the socket of the next one that took over its display number.
stop_xvfb() {
    if [[ -n ${xvfb_pid:-} ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

# Whether the server still answers; for the messages of a failed test.
xvfb_state() {
    if timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1; then
        echo "the X server on $DISPLAY answers"
    else
        echo "the X server on $DISPLAY does not answer"
    fi
}
