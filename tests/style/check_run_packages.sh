#!/usr/bin/env bash
# Checks that every package scripts/run installs (scripts/packages/run) is
# needed: one of its files is used by a build made with BUILD_TESTING=OFF
# (a tool or package CMake found, a library a program links) or is loaded
# while the help collection is compiled and the programs start.
#
# Usage: check_run_packages.sh SOURCE_ROOT MINIMAL_BUILD_DIR
set -euo pipefail
root=${1:?usage: check_run_packages.sh SOURCE_ROOT MINIMAL_BUILD_DIR}
build=${2:?usage: check_run_packages.sh SOURCE_ROOT MINIMAL_BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every path the configure step recorded, and every library loaded at run time.
grep -E '^[A-Za-z0-9_]+:(FILEPATH|PATH|STRING|INTERNAL)=/' "$build/CMakeCache.txt" | sed 's/^[^=]*=//' >"$work/used"
help_generator="$(qtpaths6 --query QT_INSTALL_LIBEXECS)/qhelpgenerator"
printf '%s\n' "$(command -v cmake)" "$help_generator" >>"$work/used"
loaded() { LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loaded" "$@" >/dev/null 2>&1 || true; }
loaded "$help_generator" \
    "$build/dialogs/reference/help/TOLVANEX.qhcp" -o "$work/help.qhc"
loaded "$build/cli/velmar-convert" Length foot inch 1
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$work/config" loaded timeout 5 "$build/window/velmar-converter"
cat "$work"/loaded.* | sed -n 's/.*file=\(\/[^ ]*\).*/\1/p; s/.*calling init: \(\/[^ ]*\).*/\1/p' >>"$work/used"

# Each file and every link on the way to the real file, each also under
# /usr (/lib and /bin are Debian's links to /usr/lib and /usr/bin); a folder
# (a package's CMake folder, the install prefix) stands for the files in it,
# since many packages own a folder. The owners are asked for in one query:
# each query reads dpkg's whole list.
link_chain() {
    local path=$1
    if [[ -d $path && ! -L $path ]]; then
        find "$path" -maxdepth 1 -type f
        return
    fi
    while [[ -e $path ]]; do
        printf '%s\n%s\n' "$path" "/usr$path"
        [[ -L $path ]] || break
        path=$(cd "$(dirname "$path")" && realpath -s "$(readlink "$path")")
    done
}
sort -u "$work/used" | while read -r path; do link_chain "$path"; done | sort -u >"$work/paths"
xargs -r -d '\n' dpkg-query -S <"$work/paths" 2>/dev/null | sed 's/: .*//; s/, /\n/g' |
    sed 's/:[a-z0-9]*$//' | sort -u >"$work/owners" || true

unneeded=0
while read -r package _; do
    [[ -z $package || $package == \#* ]] && continue
    if ! grep -qx "$package" "$work/owners"; then
        echo "scripts/packages/run lists $package, but neither the build nor the programs use a file of it" >&2
        unneeded=$((unneeded + 1))
    fi
done <"$root/scripts/packages/run"
((unneeded == 0))
