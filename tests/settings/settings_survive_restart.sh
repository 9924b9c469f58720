#!/usr/bin/env bash
# End-to-end: the real program under an X server of its own, driven by real X
# input events. The first run sorts the unit lists, types an input, picks
# units with the keyboard, moves and sizes the window, switches category, and
# ends through Exit; the settings file it wrote must hold all of that, and
# keep what the program does not know. The second run must show it all again:
# it adds a digit to the restored input and ends as a session end does
# (SIGTERM); its file must be the first one with only that input changed.
#
# Usage: settings_survive_restart.sh PROGRAM
set -euo pipefail

program=${1:?usage: settings_survive_restart.sh PROGRAM}
name=settings_survive_restart

# shellcheck source=tests/support/program_under_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/program_under_xvfb.sh"

# What another program keeps in the file, and must find again unchanged.
foreign=$'[Other Program]\n; a note of the user\nColour = "blue"\n'
printf '%s' "$foreign" >"$ini"

# Presses a key several times.
press() {
    local key=$1 times=$2
    local keys=()
    for ((i = 0; i < times; ++i)); do keys+=("$key"); done
    xdotool key --delay 20 "${keys[@]}"
}

# --- First run: choose, then end through the Exit command ---
start_program
timeout 10 xdotool windowmove --sync "$window" 40 30 windowsize --sync "$window" 700 500 ||
    fail "the window could not be moved and sized"
xdotool key ctrl+s                 # alphabetical unit lists
xdotool type --delay 40 '12.5'
xdotool key Tab Home               # source list: angstrom
press Down 3                       # chain
xdotool key Tab Home               # target list (the result box is skipped)
press Down 21                      # long reed (Biblical)
xdotool key Tab                    # the category tabs
press Right 6                      # Mass
xdotool key shift+Tab shift+Tab shift+Tab  # back to the input box
xdotool type --delay 40 '3'
xdotool key alt+x                  # Exit
wait_for_end

first=$work/first.ini
cp "$ini" "$first"
head -c "${#foreign}" "$first" | cmp -s - <(printf '%s' "$foreign") || fail "the other program's section changed"
expect_value "$first" "Velmar Converter" "1-WARNING-" "MODIFYING ANY PORTION OF THIS INI FILE MAY PREVENT"
expect_value "$first" "Velmar Converter" TabIndex 6
expect_value "$first" "Velmar Converter" FormLeft 40
expect_value "$first" "Velmar Converter" FormTop 30
expect_value "$first" "Velmar Converter" FormWidth 700
expect_value "$first" "Velmar Converter" FormHeight 500
expect_value "$first" "Velmar Converter" IsMaximized 0
expect_value "$first" "Velmar Converter" SortedUnitLists 1
expect_value "$first" IndexTabs TabCount 22
expect_value "$first" IndexTabs 7 Mass
expect_value "$first" Length ValueIn 12.5
expect_value "$first" Length FormatIn 3
expect_value "$first" Length FormatOut 21
expect_value "$first" Mass ValueIn 3
expect_value "$first" Mass FormatIn -1
[[ -z $(value "$first" Fractions FormatIn) ]] || fail "Fractions got a FormatIn key"

# --- Second run: everything is back; end as a session end does ---
start_program
geometry=$(xdotool getwindowgeometry "$window")
[[ $geometry == *"Position: 40,30"* && $geometry == *"Geometry: 700x500"* ]] ||
    fail "the window came back elsewhere: $geometry"
xdotool type --delay 40 '4'        # Mass is shown with its input 3
# The typed digit has reached the program once its result box shows it,
# which no X event tells; a short pause stands for that.
sleep 0.5
kill -TERM "$program_pid"
wait_for_end

expected=$work/expected.ini
awk '/^\[/ { inside = ($0 == "[Mass]") } inside && $0 == "ValueIn=3" { $0 = "ValueIn=34" } { print }' \
    "$first" >"$expected"
diff -u "$expected" "$ini" >&2 || fail "the second run did not bring back the first run's state"
echo "$name: passed"
