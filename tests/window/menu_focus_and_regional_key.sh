#!/usr/bin/env bash
# End-to-end: the real program under an X server of its own, driven by real X
# input events and the real clipboard.
# 1. A unit list that takes the focus after the Edit menu was closed with
#    Escape gets none of the clipboard keys: Ctrl+V leaves the input box as it
#    was and Ctrl+C copies nothing.
# 2. Under German regional settings the typed "1,5" is 1.5: 1.5 meter shows
#    as 150 centimeter.
#
# Usage: menu_focus_and_regional_key.sh PROGRAM
set -euo pipefail

program=${1:?usage: menu_focus_and_regional_key.sh PROGRAM}
name=menu_focus_and_regional_key

# shellcheck source=tests/support/program_under_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/program_under_xvfb.sh"
for tool in xclip localedef; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/ensure-packages installs it)"
done
clip_pid=
trap 'kill "$clip_pid" 2>/dev/null || true; cleanup' EXIT

# The German locale, generated into a folder of the test's own.
mkdir -p "$work/locale"
localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2>"$work/localedef.log" ||
    fail "the German locale could not be generated: $(cat "$work/localedef.log")"

# Starts the program from a fresh settings folder, with the environment
# assignments given, and puts its window at the top left.
window_x=0
window_y=0
start_fresh() {
    rm -rf "$XDG_CONFIG_HOME"
    mkdir -p "$XDG_CONFIG_HOME"
    local assignment
    for assignment in "$@"; do export "${assignment?}"; done
    start_program
    timeout 10 xdotool windowmove --sync "$window" 0 0 || fail "the window could not be moved"
    timeout 10 xdotool windowfocus --sync "$window" || fail "the window did not take the keyboard focus"
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y)=')"
    window_x=$X
    window_y=$Y
}

# Clicks at a place of the window's client area.
click_at() {
    xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click 1
    sleep 0.2
}

end_program() {
    xdotool key alt+x
    wait_for_end
}

setting() { value "$ini" "$1" "$2"; }

clipboard() { xclip -selection clipboard -o 2>/dev/null || true; }
clipboard_is() { [[ $(clipboard) == "$1" ]]; }

# Places in the window at its design size (610 by 450): the input box, the
# result box, and a row of the source list.
input_box=(80 58)
result_box=(420 58)
source_row=(150 110)

# --- 1. The Edit menu and the focus ---
start_fresh LANG=C.UTF-8
printf '999' | xclip -selection clipboard -quiet >/dev/null 2>&1 &
clip_pid=$!
wait_for 5 clipboard_is 999 || fail "the clipboard could not be set"
click_at "${input_box[@]}"
xdotool type --delay 40 '5'
xdotool key alt+e
sleep 0.3
xdotool key Escape
sleep 0.3
click_at "${source_row[@]}"
xdotool key ctrl+v
xdotool key ctrl+c
sleep 0.3
[[ $(clipboard) == 999 ]] || fail "Ctrl+C in a unit list copied '$(clipboard)'"
end_program
[[ $(setting Length ValueIn) == 5 ]] || fail "Ctrl+V in a unit list changed the input to '$(setting Length ValueIn)'"

# --- 2. The regional decimal mark ---
start_fresh LOCPATH="$work/locale" LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8
xdotool type --delay 40 '1,5'
xdotool key Tab Home Down Down Down     # source: meter
xdotool key Tab Home                    # target list (the result box is skipped)
xdotool key Down Down Down Down Down    # centimeter
click_at "${result_box[@]}"
xdotool key ctrl+c
wait_for 5 clipboard_is 150 || fail "1,5 meter converted to '$(clipboard)' centimeter"
end_program
[[ $(setting Length ValueIn) == 1.5 ]] || fail "the input box held '$(setting Length ValueIn)'"
echo "$name: passed"
