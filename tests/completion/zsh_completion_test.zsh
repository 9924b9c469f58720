#!/usr/bin/env zsh
# Completes command lines with the generated zsh completion in an interactive
# zsh on a pseudo-terminal, and checks the matches it adds (zsh quotes them
# itself when it inserts one).
# Usage: zsh_completion_test.zsh COMPLETION_DIR
emulate -L zsh
zmodload zsh/zpty || exit 1
dir=$1
capture=$(mktemp) || exit 1
trap 'rm -f -- $capture; zpty -d shell 2>/dev/null' EXIT
integer failures=0 step=0 # completions so far
typeset -a matches

zpty shell zsh -f -i
zpty -w shell "bindkey -e; unsetopt auto_list auto_menu beep; PS1='> '"
zpty -w shell "fpath=(${(q)dir} \$fpath); autoload -Uz compinit; compinit -u -D"
# Every match added is written down as well, and Tab completes, then says
# so: keys typed ahead could change what the completion sees.
zpty -w shell "compadd() { local -a hits; builtin compadd -O hits \"\$@\"; print -rl -- \$hits >>${(q)capture}; builtin compadd \"\$@\" }"
zpty -w shell 'integer completions; tab() { zle complete-word; completions+=1; print -rn -- "completed-$completions." }'
zpty -w shell "zle -N tab; bindkey '^I' tab"

# check HOW EXPECTED LINE: as in bash_completion_test.sh, for the matches of
# completing the end of LINE.
check() {
    local how=$1 expected=$2 line=$3 word out
    : >| $capture
    zpty -w -n shell "$line"$'\t'
    step+=1
    zpty -r shell out "*completed-$step.*"
    zpty -w -n shell $'\x15'
    matches=(${(f)"$(<$capture)"})
    case $how in
    only)
        [[ ${(j:|:)${(ou)matches}} == ${(j:|:)${(ou)${(s:|:)expected}}} ]] ||
            { print -r "FAIL: '$line' completes to [${(j:|:)matches}], not [$expected]" >&2; failures+=1 }
        ;;
    has)
        for word in ${(s:|:)expected}; do
            ((${matches[(Ie)$word]})) ||
                { print -r "FAIL: '$line' does not offer $word" >&2; failures+=1 }
        done
        ;;
    lacks)
        for word in ${(s:|:)expected}; do
            ((! ${matches[(Ie)$word]})) || { print -r "FAIL: '$line' offers $word" >&2; failures+=1 }
        done
        ;;
    esac
}

check only 'auto|scientific|fixed|commas' 'velmar-convert --format '
check only 'fixed' 'velmar-convert --format=f'
check only 'Volume|Volume - Dry' 'velmar-convert --category Vol'
check has 'Length|Thermal Conductivity' 'velmar-convert --list '
check only 'foot|foot (US Survey)' 'velmar-convert Length fo'
check only 'foot|foot (US Survey)' 'velmar-convert length foot fo'
check only 'peck' "velmar-convert 'Volume - Dry' pe"
check only '' 'velmar-convert Length foot inch '
check has 'km|km/h' 'velmar-convert 60 mph to km'
check has 'to|km/h' 'velmar-convert 60 mph '
check lacks 'to' 'velmar-convert 60 '
check only 'millimeter mercury (0°C)' 'velmar-convert Pressure millimeter\ mer'
check has 'm/s' 'velmar-convert --category Speed 60 m'
check lacks 'meter' 'velmar-convert --category Speed 60 m'
check has '--json|-v|--help' 'velmar-convert -'

if ((failures > 0)); then
    print -r "$failures completion check(s) failed" >&2
    exit 1
fi
print -r "zsh completion: all checks passed"
