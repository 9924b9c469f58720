#!/usr/bin/env bash
# Builds the Debian package of the built project into an empty folder.
# Usage: build_deb.sh BUILD_DIR OUT_DIR
set -euo pipefail
build_dir=$1
out_dir=$2

if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "SKIPPED: dpkg-shlibdeps is not installed (Debian package dpkg-dev); scripts/ensure-packages package installs it"
    exit 0
fi
rm -rf "$out_dir"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$out_dir"
