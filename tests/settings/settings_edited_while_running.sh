#!/usr/bin/env bash
# End-to-end: the settings file is the user's too. While the real program
# runs, a section is appended to its file; the program is then closed through
# its close box, and the file must hold both that section and the program's
# keys. Then a stop signal arrives while the start-up notice is open: the
# program must end without showing its window and still save.
#
# Usage: settings_edited_while_running.sh PROGRAM REQUEST_WINDOW_CLOSE
set -euo pipefail

program=${1:?usage: settings_edited_while_running.sh PROGRAM REQUEST_WINDOW_CLOSE}
request_window_close=${2:?usage: settings_edited_while_running.sh PROGRAM REQUEST_WINDOW_CLOSE}
name=settings_edited_while_running

# shellcheck source=tests/support/program_under_xvfb.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/program_under_xvfb.sh"

foreign=$'[Other Program]\nColour = "blue"\n'
notes=$'\n[MyNotes]\n; added while the program ran\nmilk=2\n'

# --- A section appended while the program runs survives its save ---
printf '%s' "$foreign" >"$ini"
start_program
xdotool type --delay 40 '12.5'
printf '%s' "$notes" >>"$ini"
# The typed input has reached the program once its result box shows it,
# which no X event tells; a short pause stands for that.
sleep 0.5
"$request_window_close" "$window" || fail "the close request could not be sent"
wait_for_end

head -c "${#foreign}" "$ini" | cmp -s - <(printf '%s' "$foreign") || fail "the other program's section changed"
grep -qxF 'milk=2' "$ini" || fail "the section added while the program ran is gone"
expect_value "$ini" MyNotes milk 2
expect_value "$ini" Length ValueIn 12.5
expect_value "$ini" "Velmar Converter" TabIndex 0
expect_value "$ini" IndexTabs TabCount 22

# --- A stop signal while the start-up notice is open ---
# A file from a version with fewer categories: start-up tells that the tab
# order is reset before the window is shown.
printf '[IndexTabs]\nTabCount=21\n[MyNotes]\nmilk=3\n' >"$ini"
launch_program
wait_for 15 window_shown Information || fail "the start-up notice did not appear"
kill -TERM "$program_pid"
ended_unseen() {
    ! window_shown 'Velmar Converter' || fail "the window was shown after the stop signal"
    program_ended
}
wait_for 15 ended_unseen || fail "the program did not end after the stop signal"
wait_for_end
expect_value "$ini" IndexTabs TabCount 22
expect_value "$ini" MyNotes milk 3
echo "$name: passed"
