#!/usr/bin/env bash
# Fails on any C++ file that clang-format (the tree's .clang-format) would
# change. Fix with: clang-format -i FILE...
#
# Usage: check_format.sh SOURCE_ROOT
set -euo pipefail
root=${1:?usage: check_format.sh SOURCE_ROOT}
cd "$root"
mapfile -t sources < <(find . -path './build*' -prune -o \( -name '*.h' -o -name '*.cpp' \) -print | sort)
clang-format --dry-run -Werror "${sources[@]}"
