#!/usr/bin/env bash
# Runs lintian on the Debian package built by build_deb.sh; any error fails.
# Usage: lint_deb.sh OUT_DIR VERSION
set -euo pipefail
out_dir=$1
version=$2

for tool in dpkg-deb lintian; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed; scripts/ensure-packages package installs it"
        exit 0
    fi
done
lintian --fail-on error --tag-display-limit 0 "$out_dir/velmar-converter_${version}_$(dpkg --print-architecture).deb"
