# Driving Korvald's window from X as a user would (xdotool), shared by the run command and the
# end-to-end test. Wine draws the frame itself (no window manager): a 3-pixel fixed frame and a
# 19-pixel caption above the client area.

korvald_title='Bremlock之Korvald '

wait_for() {  # wait_for SECONDS COMMAND...: polls until the command succeeds
  local deadline=$((SECONDS + $1)); shift
  until "$@"; do [ $SECONDS -lt $deadline ] || return 1; sleep 0.2; done
}

find_korvald_window() {  # sets korvald_win and the client origin korvald_cx, korvald_cy
  # xdotool's patterns do not take the Chinese character: search loosely, then compare exactly.
  local w
  korvald_win=""
  for w in $(xdotool search --name '^Bremlock.*Korvald $' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w")" = "$korvald_title" ] && korvald_win=$w && break
  done
  [ -n "$korvald_win" ] || return 1
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$korvald_win")"
  korvald_cx=$((X + 3)) korvald_cy=$((Y + 3 + 19))
}

point_at() {  # point_at X Y: the pointer over a client point (keys then reach the window)
  xdotool mousemove --sync $((korvald_cx + $1)) $((korvald_cy + $2))
}

query_account() {  # query_account TEXT: types the account into the box and presses Enter
  point_at 400 246; xdotool click 1; sleep 0.3
  xdotool key End shift+Home; xdotool type --delay 30 "$1"; xdotool key Return
}

close_korvald() {  # activates the window by a click on its empty client area, then presses Esc
  point_at 100 262; xdotool click 1; sleep 0.5; xdotool key Escape
}
