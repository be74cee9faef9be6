#!/usr/bin/env bash
# Drives the real Korvald.exe as a user would: from a fresh folder holding nothing but the exe,
# through the demo playlist service as its HTTP proxy, with xdotool and xclip only.
# Usage: run-e2e.sh KORVALD_EXE URL_RECORDER_EXE ARTIFACT_DIR
set -euo pipefail
exe=$1 recorder=$2 artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/scripts/lib/xvfb.sh"
source "$root/scripts/lib/korvald-window.sh"

work=$(mktemp -d /tmp/korvald-e2e.XXXXXX)
rm -rf "$artifacts"; mkdir -p "$artifacts"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver64 -k 2>/dev/null || true
  stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e: $*" >&2; shot failure || true; exit 1; }
shot() { import -window root "$artifacts/$1.png"; }
# A display of our own: focus and pointer must not be shared with other tests.
unset DISPLAY
start_xvfb

# Its own Wine prefix, whose http handler is the recorder standing in for the browser.
export WINEPREFIX="$work/prefix"
mkdir -p "$work/app" "$work/bin"
cp "$exe" "$work/app/Korvald.exe"
cp "$recorder" "$work/bin/url_recorder.exe"
"$root/cmake/wine-run" cmd /c exit 0 >/dev/null 2>&1 || true
for scheme in http https; do
  "$root/cmake/wine-run" reg add "HKCR\\$scheme\\shell\\open\\command" /ve \
    /d "\"Z:${work//\//\\}\\bin\\url_recorder.exe\" \"%1\"" /f >/dev/null 2>&1
done
/usr/lib/wine/wineserver64 -p 2>/dev/null || true
export KORVALD_URL_LOG="$work/urls.log"

# The demo playlist service, answering as an HTTP proxy and logging each request line.
/usr/bin/python3 "$root/tools/demo-playlist-service" --port-file "$work/port" \
  >/dev/null 2>"$work/requests.log" &
pids+=($!)
wait_for 10 test -s "$work/port" || fail "demo service did not start"
port=$(cat "$work/port")

# Start Korvald from its fresh folder.
(cd "$work/app" && http_proxy="http://127.0.0.1:$port" exec "$root/cmake/wine-run" Korvald.exe) &
korvald=$!
pids+=($korvald)

wait_for 60 find_korvald_window || fail "no window titled '$korvald_title'"
sleep 2   # the reveal animation and the skin take well under a second; let them finish
shot 1-started

# The skin engine module was written next to the exe, hidden.
dll="$work/app/SkinH_EL.dll"
[ -f "$dll" ] || fail "SkinH_EL.dll was not written"
/usr/bin/python3 - "$dll" <<'PY' || fail "SkinH_EL.dll is not hidden"
import os, sys
attrs = int(os.getxattr(sys.argv[1], "user.DOSATTRIB").split(b"0x")[1].split(b"\0")[0], 16)
sys.exit(0 if attrs & 0x2 else 1)
PY

# Type an account and press Enter: the request reaches the service exactly.
query_account 10001
wait_for 20 grep -q 'uin=10001' "$work/requests.log" || fail "no playlist request reached the service"
expected='GET http://qzone-music.qq.com:80/fcg-bin/cgi_playlist_xml.fcg?json=1&uin=10001&g_tk=514926140 HTTP/1.0'
grep -qF "\"$expected\"" "$work/requests.log" \
  || fail "request line differs: $(cat "$work/requests.log")"
sleep 1
shot 2-listed

# Right-click the first row, choose the first item, read the clipboard.
choose() {  # choose ITEM_INDEX: right-click row 0, then click that item of the popup
  point_at 120 32; xdotool click 3; sleep 0.6
  xdotool mousemove_relative --sync 30 $((12 + 20 * $1)); sleep 0.2; xdotool click 1; sleep 0.8
}
choose 0
shot 3-menu-chosen
# Wine hands X the text with its CR LF as a plain line break; the bytes themselves (CR LF, GBK
# labels) are checked by the Win32 tests.
first_title='青花瓷 - 周杰伦'
first_url='http://stream.qqmusic.example/C400003aB1cD.m4a?fromtag=38'
clip=$(xclip -o -selection clipboard -t UTF8_STRING | od -An -c | tr -s ' \n' ' ')
want=$(printf '歌曲名：%s\n试听地址：%s' "$first_title" "$first_url" | od -An -c | tr -s ' \n' ' ')
[ "$clip" = "$want" ] || fail "clipboard holds:$clip"

# Copy and open: the stand-in browser gets the URL.
choose 1
wait_for 10 test -s "$KORVALD_URL_LOG" || fail "the URL was not handed to the browser"
[ "$(cat "$KORVALD_URL_LOG")" = "$first_url" ] || fail "browser got $(cat "$KORVALD_URL_LOG")"

# Esc closes the window and ends the process with exit code 0.
# The browser's start may have taken the activation from the window.
close_korvald
wait_for 15 bash -c "! kill -0 $korvald 2>/dev/null" || fail "Korvald did not exit on Esc"
code=0; wait "$korvald" || code=$?
[ "$code" -eq 0 ] || fail "exit code $code"
echo "e2e: passed; screenshots in $artifacts"
