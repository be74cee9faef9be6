#!/usr/bin/env bash
# Runs skin_startup_test on the real Korvald.exe. Wine runs as root here, and root writes into any
# folder whatever its permissions, so the folder that cannot be written is made immutable (other
# users get a folder without write permission).
# Usage: skin_startup.sh KORVALD_EXE TEST_EXE   (WINEPREFIX set)
set -euo pipefail
exe=$1 test=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d /tmp/korvald-startup.XXXXXX)
cleanup() { chattr -i "$work/readonly" 2>/dev/null || true; chmod u+w "$work/readonly"; rm -rf "$work"; }
trap cleanup EXIT
windows_path() { local p=$1; echo "Z:${p//\//\\}"; }

mkdir "$work/readonly"
cp "$exe" "$work/readonly/Korvald.exe"
chattr +i "$work/readonly" 2>/dev/null || chmod a-w "$work/readonly"
if touch "$work/readonly/probe" 2>/dev/null; then
  echo "skin_startup.sh: cannot make a folder that this user cannot write to" >&2; exit 1
fi
export KORVALD_EXE=$(windows_path "$exe") KORVALD_READONLY_DIR=$(windows_path "$work/readonly")
"$root/cmake/wine-run" "$test"
