#!/usr/bin/env bash
# The manual pages render without a single warning, and the page of
# velmar-convert describes every option its --help shows.
# Usage: check_manual_pages.sh VELMAR_CONVERT PAGE...
set -euo pipefail
program=$1
shift

failures=0
for page in "$@"; do
    warnings=$(groff -t -man -ww -z "$page" 2>&1) || true
    if [[ -n "$warnings" ]]; then
        echo "FAIL: $page renders with warnings:" >&2
        echo "$warnings" >&2
        failures=$((failures + 1))
    fi
done

convert_page=$(printf '%s\n' "$@" | grep '/velmar-convert\.1$')
options=$("$program" --help | grep -oE '^ +--[a-z-]+' | tr -d ' ')
[[ -n "$options" ]] || { echo "FAIL: $program --help shows no options" >&2; exit 1; }
for option in $options; do
    # Manual pages write each dash of an option as \-.
    if ! grep -qF -- "${option//-/\\-}" "$convert_page"; then
        echo "FAIL: $convert_page does not describe $option" >&2
        failures=$((failures + 1))
    fi
done

exit $((failures > 0))
