#!/usr/bin/env bash
# Completes command lines with the generated bash completion as bash does
# (COMP_WORDS, COMP_CWORD, COMP_LINE and COMP_POINT set, the function called)
# and checks the replies, that a completed name reaches the program as one
# argument, and that the options are those --help describes.
# Usage: bash_completion_test.sh COMPLETION_FILE VELMAR_CONVERT
set -uo pipefail
completion=$1
program=$2
# shellcheck source=/dev/null
source "$completion"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Completes the last of the words given.
complete_words() {
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _velmar_convert
}

# check HOW EXPECTED WORD...: the replies for the words are exactly the
# |-separated EXPECTED in any order ("only"), include each of them ("has"),
# or include none of them ("lacks"); "none" expects no reply at all.
check() {
    local how=$1 expected=$2 replies wanted
    shift 2
    complete_words "$@"
    replies=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
    case $how in
    only)
        wanted=$(tr '|' '\n' <<<"$expected" | sort)
        [[ $replies == "$wanted" ]] || fail "'$*' completes to [${replies//$'\n'/|}], not [$expected]"
        ;;
    has | lacks)
        local IFS='|' word
        for word in $expected; do
            if grep -qxF -- "$word" <<<"$replies"; then
                [[ $how == has ]] || fail "'$*' offers $word"
            else
                [[ $how == lacks ]] || fail "'$*' does not offer $word"
            fi
        done
        ;;
    none)
        ((${#COMPREPLY[@]} == 0)) || fail "'$*' offers [${replies//$'\n'/|}], expected nothing"
        ;;
    esac
}

c=velmar-convert
check only '--format' $c --fo
check has '-h|-V|-v|--json|--list|--batch' $c -
check only 'auto|scientific|fixed|commas' $c --format ''
check only 'fixed' $c --format f
check only 'fixed' $c --format = f
check only 'auto|scientific|fixed|commas' $c --format =
check only '--format=fixed' $c --format=f
check only '1|10|11|12|13|14|15|16|17|18' $c --precision 1
check none '' $c --decimal-mark ''
check none '' $c --thousands-mark =
check only 'Volume|Volume\ -\ Dry' $c --category Vol
check has 'Length|Thermal\ Conductivity' $c --list ''
check none '' $c --list Length ''
# CATEGORY FROM TO VALUE: the units of that category only, then nothing.
check has 'Length|Volume\ -\ Dry|Fractions' $c ''
check only 'foot|foot\ \(US\ Survey\)' $c Length fo
check only 'foot|foot\ \(US\ Survey\)' $c length foot fo
check has 'peck|bushel' $c 'Volume\ -\ Dry' ''
check lacks 'gallon|foot' $c 'Volume\ -\ Dry' ''
check none '' $c Length foot inch ''
check none '' $c --format fixed -- Length foot inch ''
# Queries: every category's names, a connector after a source unit.
check has 'km|km/h|km2' $c 60 mph to km
check lacks 'to|kilometer/hour' $c 60 mph to km
check lacks 'to' $c 60 mph to ''
check has 'to|in|km/h|foot²|°C' $c 60 mph ''
check has 'to|ton' $c 60 mph t
check lacks 'to' $c 60 ''
check has 'm/s|mile/hour' $c --category Speed 60 m
check lacks 'meter|m2' $c --category=Speed 60 m
check lacks '--format' $c -- --f

# Completed names reach the program as one argument equal to the name,
# however the word was begun: bare (escaped), in single or in double quotes
# (readline adds the closing quote).
check_quoting() {
    local quote=$1 name=$2 line
    shift 2
    complete_words "$@"
    if ((${#COMPREPLY[@]} != 1)); then
        fail "'$*' completes to ${#COMPREPLY[@]} words, expected $name alone"
        return
    fi
    line="$quote${COMPREPLY[0]}$quote"
    # Only the completion's own reply is evaluated, as the shell would.
    eval "set -- $line"
    [[ $# == 1 && $1 == "$name" ]] || fail "'$line' reaches the program as $# words '$*', not '$name'"
}
check_quoting '' 'millimeter mercury (0°C)' $c Pressure 'millimeter\ mercury\ \(0'
check_quoting "'" 'millimeter mercury (0°C)' $c Pressure "'millimeter mer"
check_quoting '"' 'inch water (60°F)' $c Pressure '"inch wa'
check_quoting '' 'foot²/second' $c 1 'foot²/'
check_quoting '' 'gallon (UK)/day' $c 1 'gallon\ \(UK\)/d'
check_quoting '' '[im]proper fraction' $c 2.25 to '\[im'
check_quoting '' 'Volume - Dry' $c --list 'Volume\ -'

# The options offered are the ones --help describes.
complete_words $c --
offered=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
described=$("$program" --help | grep -oE '^ +--[a-z-]+' | tr -d ' ' | sort -u)
[[ $offered == "$described" ]] || fail "the options offered [${offered//$'\n'/ }] differ from --help's [${described//$'\n'/ }]"

if ((failures > 0)); then
    echo "$failures completion check(s) failed" >&2
    exit 1
fi
echo "bash completion: all checks passed"
