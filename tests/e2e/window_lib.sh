# Helpers of the declaration window scenarios (sourced after lib.sh).

# Control ids of the window (runner/declaration_ids.h).
ID_BACKGROUND=100 ID_DOC=101 ID_EYE=102 ID_CHK=103 ID_CHK_CAPTION=104
ID_ACCEPT=105 ID_DECLINE=106 ID_ACCEPT_CAPTION=107 ID_DECLINE_CAPTION=108
ID_BACK=109 ID_NEXT=110 ID_SPEAKER=111 ID_MSG=112 ID_LOGO=113

# The driver in the scenario's language: a Wine process started with another
# LANG rewrites the user's regional settings, under a program that is reading them.
win_driver() { LANG=$TSR_LANG LC_ALL=$TSR_LANG tsr_driver "$@"; }

# win_open NAME [ARGS...]: starts Tessarin.exe in the current app folder and
# keeps the driver's listing of its window in WIN_LIST. Fails when no window
# shows up.
win_open() {
  local what=$1
  shift
  tsr_start "$TSR_APP_DIR" Tessarin.exe "$@"
  if ! win_driver wait-window --exe Tessarin.exe --timeout 20000 >/dev/null; then
    tsr_fail "$what: the declaration window did not appear"
    win_stop
    return 1
  fi
  WIN_LIST=$(win_driver list --exe Tessarin.exe | tr -d '\r')
}

# win_row ID: the listing's line of the child with that control id.
# Ends the program of win_open.
win_stop() {
  kill -0 "$TSR_PID" 2>/dev/null || return 0
  win_driver kill --exe Tessarin.exe >/dev/null 2>&1
  tsr_wait_exit 5 || kill "$TSR_PID" 2>/dev/null
  return 0
}

win_row() { awk -F'\t' -v id="$1" 'NR > 1 && $3 == id { print; exit }' <<<"$WIN_LIST"; }
win_field() { win_row "$1" | cut -f"$2"; }
win_visible() { win_field "$1" 4; }
win_text() { win_field "$1" 8 | sed 's/^"//; s/"$//'; }
# win_rect ID: "left top right bottom" relative to the inner area (the
# background picture's top-left corner is the inner area's origin).
win_rect() {
  local origin rect
  origin=$(win_field "$ID_BACKGROUND" 6)
  rect=$(win_field "$1" 6)
  awk -v o="$origin" -v r="$rect" 'BEGIN {
    split(o, a, ","); split(r, b, ",");
    print b[1] - a[1], b[2] - a[2], b[3] - a[1], b[4] - a[2] }'
}
win_flags() { sed -n 1p <<<"$WIN_LIST" | cut -f7; }
win_screen_size() { sed -n 1p <<<"$WIN_LIST" | cut -f6; }

# win_pixel X Y: the screen's colour at X,Y as "r g b" (0-255).
win_pixel() {
  local shot=$TSR_LOG_DIR/pixel.png
  import -window root "$shot"
  convert "$shot" -format '%[fx:int(255*p{'"$1,$2"'}.r)] %[fx:int(255*p{'"$1,$2"'}.g)] %[fx:int(255*p{'"$1,$2"'}.b)]' info:
}

# The document view's text: the shown page's plain text, once the view has
# read it (it may finish loading just after the window shows).
win_document() {
  local text tries
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    text=$(win_driver get-text --exe Tessarin.exe --id "$ID_DOC" | tr -d '\r')
    [ -n "$text" ] && break
    sleep 0.3
  done
  printf '%s\n' "$text"
}
