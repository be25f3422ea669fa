# Helpers of the console scenarios (sourced after lib.sh).

# Control ids of the console window (admin/console/console_ids.h).
ID_TABS=100 ID_EDITOR=101 ID_VIEWER=102 ID_DATES=103 ID_SETTINGS=104 ID_LOGS=105
ID_ACTION=106 ID_CLOSE=107 ID_LABEL1=108 ID_PATH=109 ID_STATUS=110 ID_TOOLBAR=111
ID_LOCATION=30001 # the viewer's hidden child holding the shown location
ID_BOX_TEXT=65535 # the text of a message box
CONSOLE=TsrAdmin.exe
CAPTION="Tessarin Admin"
POSITION_KEY='HKCU\Software\VB and VBA Program Settings\TsrAdmin\Settings'

# (stdin closed: scenarios feed their tables to loops on stdin)
adm() { LANG=$TSR_LANG LC_ALL=$TSR_LANG tsr_driver "$@" </dev/null; }

# console_folder NAME: a fresh folder C:\Tsr\NAME holding TsrAdmin.exe and
# the sample application folder.
console_folder() {
  tsr_app_folder "$1" "$(tsr_admin_exe)" >/dev/null || return 1
  cp -R "$TSR_ROOT/sample/." "$TSR_APP_DIR/"
}

# console_open WHAT [--min]: starts the console in the current folder (from
# that folder, as a shortcut would) and waits for its window; --min starts
# it minimised, as a shortcut set to "Minimized" does.
console_open() {
  local what=$1
  if [ "${2:-}" = --min ]; then
    TSR_EXE=$CONSOLE
    (cd "$TSR_APP_DIR" && LANG=$TSR_LANG LC_ALL=$TSR_LANG exec wine start /wait /min "$CONSOLE") \
      >"$TSR_LOG_DIR/start-min.log" 2>&1 &
    TSR_PID=$!
    TSR_STARTED_PIDS+=("$TSR_PID")
  else
    # CONSOLE_WINEDEBUG: Wine's trace channels for this start alone.
    local quiet=$WINEDEBUG
    export WINEDEBUG=${CONSOLE_WINEDEBUG:-$quiet}
    tsr_start "$TSR_APP_DIR" "$CONSOLE"
    export WINEDEBUG=$quiet
  fi
  if ! adm wait-window --exe "$CONSOLE" --title "$CAPTION" --timeout 30000 >/dev/null 2>&1 &&
     ! adm wait-window --exe "$CONSOLE" --title "$CAPTION" --hidden --timeout 1000 >/dev/null 2>&1; then
    tsr_fail "$what: the console window did not appear"
    console_stop
    return 1
  fi
  console_list
}

# Ends the console if it still runs.
console_stop() {
  kill -0 "$TSR_PID" 2>/dev/null || return 0
  adm kill --exe "$CONSOLE" >/dev/null 2>&1
  tsr_wait_exit 5 || kill "$TSR_PID" 2>/dev/null
  return 0
}

# console_close WHAT: WM_CLOSE as the caption's close button sends it; the
# console must end by itself (no changes pending).
console_close() {
  adm close --exe "$CONSOLE" --title "$CAPTION" >/dev/null
  if ! tsr_wait_exit 15; then
    tsr_fail "$1: the console did not end after close"
    console_stop
    return 1
  fi
  assert_eq 0 "$TSR_EXIT_CODE" "$1: exit code"
}

# The driver's listing of the console window, kept in CON_LIST.
console_list() { CON_LIST=$(adm list --exe "$CONSOLE" --title "$CAPTION" --hidden | tr -d '\r'); }
con_row() { awk -F'\t' -v id="$1" 'NR > 1 && $3 == id { print; exit }' <<<"$CON_LIST"; }
con_visible() { con_row "$1" | cut -f4; }
con_enabled() { con_row "$1" | cut -f5; }
con_text() { con_row "$1" | cut -f8 | sed 's/^"//; s/"$//; s/\\\\/\\/g'; }
# The window's own line: rect "left,top,right,bottom" and flags.
con_rect() { sed -n 1p <<<"$CON_LIST" | cut -f6; }
con_flags() { sed -n 1p <<<"$CON_LIST" | cut -f7; }
# The one of the page controls (editor, viewer, three tables) that shows.
con_page() {
  awk -F'\t' 'NR > 1 && $3 >= 101 && $3 <= 105 && $4 == 1 { ids = ids sep $3; sep = "," } END { print ids }' \
    <<<"$CON_LIST"
}

# A control's whole text (the listing holds only its start).
con_whole_text() { adm get-text --exe "$CONSOLE" --title "$CAPTION" --id "$1" | tr -d '\r'; }

# The tab strip's captions "a|b|c|d" and the current tab's index.
tab_captions() { adm items --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" | cut -f4 | tr -d '"\r' | paste -sd'|'; }
tab_current() { adm items --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" | awk -F'\t' '$3 == 1 { print $1 }'; }

# tab_click INDEX [--right|--double]: a click on the tab's middle.
tab_click() {
  local at
  at=$(adm items --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" |
    awk -F'\t' -v i="$1" '$1 == i { split($2, r, ","); print int((r[1] + r[3]) / 2) "," int((r[2] + r[4]) / 2) }')
  [ -n "$at" ] || { tsr_fail "no tab $1 on the tab strip"; return 1; }
  case "${2:-}" in
    --right) wait_no_menu; adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" --right --at "$at" ;;
    # Both clicks in one driver run: well within the double-click time.
    --double) adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" --at "$at" click --id "$ID_TABS" --at "$at" ;;
    *) adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" --at "$at" ;;
  esac
}

# Waits (up to 3 s) until no pop-up menu shows: a click while a closing menu
# is still up goes to the menu, not to the window under it.
wait_no_menu() {
  local i
  for i in $(seq 30); do
    adm windows | grep -q '#32768' || return 0
    sleep 0.1
  done
}

# box_answer TITLE BUTTON: prints the text of the message box with that
# title (waiting for it) and closes it with the button; by the dialog's
# class, as the main window may carry the same title.
box_answer() {
  adm get-text --class "#32770" --title "$1" --id "$ID_BOX_TEXT" --timeout 5000 click --text "$2" | tr -d '\r'
}

# menu_key LETTER KEY...: opens a menu of the menu bar with Alt+LETTER (its
# first item then selected) and presses the KEYs in it (mnemonics, arrows).
menu_key() {
  local letter=$1 key
  shift
  local args=(key --exe "$CONSOLE" --title "$CAPTION" "ALT+$letter")
  for key in "$@"; do args+=(key "$key"); done
  adm "${args[@]}"
}

# ini_set FILE KEY VALUE: sets the key's value in a settings file (CR LF
# lines), adding the line when the key is missing.
ini_set() {
  KEY=$2 VALUE=$3 awk 'BEGIN { ORS = "\r\n" } { sub(/\r$/, "") }
    index($0, ENVIRON["KEY"] "=") == 1 { $0 = ENVIRON["KEY"] "=" ENVIRON["VALUE"]; done = 1 } { print }
    END { if (!done) print ENVIRON["KEY"] "=" ENVIRON["VALUE"] }' "$1" >"$1.new" && mv "$1.new" "$1"
}

# assert_same_text FILE TEXT WHAT: the file's text (CR dropped) is TEXT.
assert_same_text() {
  TSR_CHECKS=$((TSR_CHECKS + 1))
  if [ "$(tr -d '\r' <"$1")" == "$2" ]; then tsr_pass "$3"; return 0; fi
  tsr_fail "$3: $1 holds another text"
  return 1
}

# The display's twips per pixel (15 at 96 DPI), as the console measures it.
twips_per_pixel() {
  local dpi
  dpi=$(wine reg query 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
    </dev/null 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" { print $3 }')
  echo $((1440 / ${dpi:-96}))
}

# position_set LEFT TOP WIDTH HEIGHT: stored window position (twips, text);
# position_clear removes every stored value.
position_set() {
  local name value names=(MainLeft MainTop MainWidth MainHeight)
  for name in "${names[@]}"; do
    value=$1
    shift
    wine reg add "$POSITION_KEY" /v "$name" /d "$value" /f </dev/null >/dev/null 2>&1
  done
}
position_clear() { wine reg delete 'HKCU\Software\VB and VBA Program Settings\TsrAdmin' /f </dev/null >/dev/null 2>&1; return 0; }
position_stored() {
  local name out=()
  for name in MainLeft MainTop MainWidth MainHeight; do out+=("$(tsr_reg_get "$POSITION_KEY" "$name")"); done
  echo "${out[*]}"
}

# screen_crop NAME X Y W H: that part of the screen to build/e2e-logs (for
# comparing what two states draw, such as a menu item's caption).
screen_crop() {
  local file=$TSR_LOG_DIR/$1.png
  import -window root -crop "${4}x${5}+${2}+${3}" +repage "$file" && echo "$file"
}

# same_picture A B: 1 when the two pictures have no differing pixel.
same_picture() {
  local differing
  differing=$(compare -metric AE "$1" "$2" null: 2>&1)
  [ "$differing" = 0 ] && echo 1 || echo 0
}
