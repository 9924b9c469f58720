#!/usr/bin/env bash
# Writes batch lines for every unit pair of every category (no unit on either
# side included) in every view type, over inputs that reach the reading's
# corner cases and both ends of the exponent range, then every input in every
# view type and several precisions for a few pairs. Two builds that print the
# same answers to these agree on the arithmetic.
#
# Usage: tests/cli/batch_corpus.sh VELMAR_CONVERT
set -euo pipefail
converter=${1:?usage: tests/cli/batch_corpus.sh VELMAR_CONVERT}

inputs=(
    1 -2.5 0.1 .5 1.E "  7" 00012.50 -0.125 1E27 1E-5 +2.5E+2
    123456789012345678 18446744073709551615 3.14159265358979323846264338
    0.000621371192237 99999.99995 1E4932 1.18E4932 1.189731495357231765E4932
    1E-4931 1E-4940 1E-4951 -1E-300 1E9999 1E-9999 255 FF 7FFFFFFF XIV
    MCMXCVII 2.25 0.333333333333333333 -0.75 "1,5" 1.2.3 E5 -
)
precisions=(4 0 2 7 18 25 -1)

mapfile -t categories < <("$converter" --list)
for category in "${categories[@]}"; do
    mapfile -t units < <("$converter" --list "$category" | cut -f2)
    units+=("")
    for from in "${units[@]}"; do
        for to in "${units[@]}"; do
            for view in 1 2 3 4; do
                # Three inputs a line group, taken in turn, keep the corpus
                # large but finite.
                for _ in 1 2 3; do
                    ((line = ${line:-0} + 1))
                    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$category" "$from" "$to" \
                        "${inputs[line % ${#inputs[@]}]}" "$view" "${precisions[line % ${#precisions[@]}]}"
                done
            done
        done
    done
done

pairs=("Length	foot	meter" "Temperature	Fahrenheit	Kelvin" "Numbers	decimal	hexadecimal"
    "Fractions		mixed number" "Energy	electron volt	BTU")
for pair in "${pairs[@]}"; do
    for input in "${inputs[@]}"; do
        for view in 1 2 3 4; do
            for precision in "${precisions[@]}"; do
                printf '%s\t%s\t%s\t%s\n' "$pair" "$input" "$view" "$precision"
            done
        done
    done
done
