#!/usr/bin/env bash
# Checks the Debian package built by build_deb.sh: its control fields, that it
# holds every file the installed tree must have, under /usr, and that the
# stripped programs it holds still run.
# Usage: check_deb.sh OUT_DIR EXPECTED_FILES VERSION
set -euo pipefail
out_dir=$1
expected_files=$2
version=$3

if ! command -v dpkg-deb >/dev/null; then
    echo "SKIPPED: dpkg-deb is not installed (Debian package dpkg); scripts/ensure-packages package installs it"
    exit 0
fi
deb="$out_dir/velmar-converter_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { echo "no package $deb" >&2; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == velmar-converter ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ $(field Section) == utils ]] || fail "Section is '$(field Section)'"
[[ $(field Maintainer) == *"<"*"@"*">" ]] || fail "Maintainer '$(field Maintainer)' has no address"
for dependency in libc6 libqt6widgets6 libqt6help6 libedit2 qt6-qpa-plugins libqt6sql6-sqlite; do
    [[ $(field Depends) =~ (^|, )$dependency( |,|$) ]] || fail "Depends lacks $dependency: $(field Depends)"
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
while read -r file; do
    grep -qx "./usr/$file" <<<"$contents" || fail "the package lacks /usr/$file"
done <"$expected_files"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
result=$("$unpacked/usr/bin/velmar-convert" Length foot inch 5) || fail "the packaged velmar-convert failed"
[[ "$result" == 60 ]] || fail "the packaged velmar-convert converted 5 feet to '$result' inches"

exit $((failures > 0))
