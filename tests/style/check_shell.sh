#!/usr/bin/env bash
# Fails on any shell script of the tree that shellcheck rejects.
#
# Usage: check_shell.sh SOURCE_ROOT
set -euo pipefail
root=${1:?usage: check_shell.sh SOURCE_ROOT}
cd "$root"
mapfile -t scripts < <(find . \( -path './.git' -o -path './build*' -o -path './tests/fuzz' \) -prune -o -type f -print0 |
    xargs -0 grep -lE '^#!(/usr/bin/env |/bin/)(ba)?sh|^# shellcheck shell=' | sort)
shellcheck -x "${scripts[@]}"
