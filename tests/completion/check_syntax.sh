#!/usr/bin/env bash
# Parses a generated completion file with its own shell, without running it.
# Usage: check_syntax.sh SHELL FILE   (bash, zsh or fish)
set -euo pipefail
shell=$1
file=$2

if ! command -v "$shell" >/dev/null; then
    echo "SKIPPED: $shell is not installed (Debian package $shell); scripts/ensure-packages test installs it"
    exit 0
fi
"$shell" -n "$file"
