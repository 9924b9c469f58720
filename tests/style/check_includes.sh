#!/usr/bin/env bash
# Checks that includes point down the layers (see ARCHITECTURE.md):
#
#   packaging/product.h  generated facts, reachable from everywhere
#   text < catalogue < engine < cli, widgets < settings < dialogs < window
#   packaging and tests sit on top and may include anything below them;
#   bench sits above tests, whose support helpers it shares
#
# A folder may include its own headers and those of any lower layer; cli and
# widgets are siblings and include neither each other nor anything above.
# The folders below widgets are plain C++ and include no Qt header, and so is
# settings/profile.
#
# Usage: check_includes.sh SOURCE_ROOT
set -euo pipefail
root=${1:?usage: check_includes.sh SOURCE_ROOT}
cd "$root"

declare -A rank=(
    [text]=1 [catalogue]=2 [engine]=3 [cli]=4 [widgets]=4
    [settings]=5 [dialogs]=6 [window]=7 [packaging]=8 [tests]=9 [bench]=10
)
qt_free_folders='^(text|catalogue|engine|cli|settings/profile)/'

failures=0
report() {
    echo "$1" >&2
    failures=$((failures + 1))
}

while IFS= read -r file; do
    from=${file%%/*}
    [[ -n ${rank[$from]:-} ]] || continue
    while IFS=: read -r line text; do
        if [[ $text =~ \#[[:space:]]*include[[:space:]]*\<(Q[A-Za-z]*)\> ]]; then
            header=${BASH_REMATCH[1]}
            [[ $file =~ $qt_free_folders ]] &&
                report "$file:$line: includes the Qt header <$header> in a Qt-free layer"
            continue
        fi
        [[ $text =~ \#[[:space:]]*include[[:space:]]*\"([^\"]+)\" ]] || continue
        target=${BASH_REMATCH[1]}
        if [[ $target != */* ]]; then
            report "$file:$line: \"$target\" does not name its folder"
            continue
        fi
        [[ $target == packaging/product.h ]] && continue
        to=${target%%/*}
        if [[ -z ${rank[$to]:-} ]]; then
            report "$file:$line: \"$target\" is in no known layer"
        elif [[ $to != "$from" ]] && ((rank[$to] >= rank[$from])); then
            report "$file:$line: $from/ may not include $target (not a lower layer)"
        fi
    done < <(grep -n '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find . -path './build*' -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sed 's|^\./||' | sort)

if ((failures > 0)); then
    echo "$failures include(s) break the layering" >&2
    exit 1
fi
