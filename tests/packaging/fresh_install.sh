#!/usr/bin/env bash
# Installs the built project into an empty prefix.
# Usage: fresh_install.sh BUILD_DIR PREFIX
set -euo pipefail
build_dir=$1
prefix=$2

rm -rf "$prefix"
cmake --install "$build_dir" --prefix "$prefix"
