#!/usr/bin/env bash
# Completes command lines with the generated fish completion (complete -C)
# and checks the candidates it offers (fish quotes them itself when it
# inserts one).
# Usage: fish_completion_test.sh COMPLETION_FILE
set -uo pipefail
completion=$1

if ! command -v fish >/dev/null; then
    echo "SKIPPED: fish is not installed (Debian package fish); scripts/ensure-packages test installs it"
    exit 0
fi

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# check HOW EXPECTED LINE: as in bash_completion_test.sh, for the candidates
# of completing the end of LINE.
check() {
    local how=$1 expected=$2 line=$3 candidates wanted word
    # shellcheck disable=SC2016 # fish expands them
    candidates=$(fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$completion" "$line" | cut -f1 | sort -u)
    case $how in
    only)
        wanted=$(tr '|' '\n' <<<"$expected" | sort -u)
        [[ $candidates == "$wanted" ]] || fail "'$line' completes to [${candidates//$'\n'/|}], not [$expected]"
        ;;
    has | lacks)
        local IFS='|'
        for word in $expected; do
            if grep -qxF -- "$word" <<<"$candidates"; then
                [[ $how == has ]] || fail "'$line' offers $word"
            else
                [[ $how == lacks ]] || fail "'$line' does not offer $word"
            fi
        done
        ;;
    esac
}

check only 'auto|scientific|fixed|commas' 'velmar-convert --format '
check only '--format=fixed' 'velmar-convert --format=f'
check only 'Volume|Volume - Dry' 'velmar-convert --category Vol'
check has 'Length|Thermal Conductivity' 'velmar-convert --list '
check only 'foot|foot (US Survey)' 'velmar-convert Length fo'
check only 'peck' "velmar-convert 'Volume - Dry' pe"
check only '' 'velmar-convert Length foot inch '
check has 'km|km/h' 'velmar-convert 60 mph to km'
check has 'to|km/h' 'velmar-convert 60 mph '
check lacks 'to' 'velmar-convert 60 '
check only 'millimeter mercury (0°C)' 'velmar-convert Pressure millimeter\ mer'
check has 'm/s' 'velmar-convert --category Speed 60 m'
check lacks 'meter' 'velmar-convert --category Speed 60 m'

if ((failures > 0)); then
    echo "$failures completion check(s) failed" >&2
    exit 1
fi
echo "fish completion: all checks passed"
