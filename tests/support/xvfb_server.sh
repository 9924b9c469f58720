# shellcheck shell=bash
# Starts an X server of the caller's own (Xvfb) for a test. Xvfb picks a free
# display itself (-displayfd); the display is taken only once its socket is
# there, and a server that dies before then is started again, so tests that
# start servers side by side do not fail now and then.
#
# start_xvfb FOLDER: FOLDER is private to the caller and receives the
# server's files (display, xvfb.log). Sets xvfb_pid and exports DISPLAY;
# false when no server came up. The caller stops the server.
start_xvfb() {
    local folder=$1 attempt tries display
    for attempt in 1 2 3; do
        : >"$folder/display"
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$folder/display" 2>>"$folder/xvfb.log" &
        xvfb_pid=$!
        for ((tries = 0; tries < 200; ++tries)); do
            display=$(<"$folder/display")
            if [[ -n $display && -S /tmp/.X11-unix/X$display ]]; then
                export DISPLAY=":$display"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.05
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        echo "start_xvfb: attempt $attempt gave no display" >>"$folder/xvfb.log"
    done
    return 1
}
