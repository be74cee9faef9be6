#!/usr/bin/env bash
# Runs skin_startup_test on the real Korvald.exe. Wine runs as root here, and root writes into any
# folder whatever its permissions, so the folder that cannot be written is made immutable.
# Usage: skin_startup.sh KORVALD_EXE TEST_EXE   (WINEPREFIX set)
set -euo pipefail
exe=$1 test=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/korvald-startup.XXXXXX)
cleanup() { chattr -i "$work/readonly" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

mkdir "$work/readonly"
cp "$exe" "$work/readonly/Korvald.exe"
chattr +i "$work/readonly"
export KORVALD_EXE=$(windows_path "$exe") KORVALD_READONLY_DIR=$(windows_path "$work/readonly")
"$root/cmake/wine-run" "$test"
