# Helpers of the scenarios of the console's dates and settings tables and of
# its user-profiles window (sourced after lib.sh).

CONSOLE=TsrAdmin.exe
CAPTION="Tessarin Admin"
# Control ids (admin/console/console_ids.h).
ID_TABS=100 ID_DATES=103 ID_SETTINGS=104 ID_ACTION=106 ID_PATH=109 ID_STATUS=110
ID_USERS_TEXT=300 ID_FILE_LIST=301 ID_USERS_ACTION=302 ID_USERS_CLOSE=303
# The tab strip at 96 DPI: x of a point inside each tab caption.
TAB_DATES=110 TAB_SETTINGS=170
# Tables: the grid inside the control's 2-pixel edge, rows 19 pixels high
# under a header row of the same height; x 60 lies in the first data column
# at any window width the console allows.
ROW_PX=19
FIRST_COL_X=60

# The driver in the scenario's language: a Wine process started with another
# LANG rewrites the regional settings under a program that is reading them.
adm() { LANG=$TSR_LANG LC_ALL=$TSR_LANG tsr_driver "$@"; }

# console_folder NAME: a fresh application folder with both programs.
console_folder() { tsr_app_folder "$1" "$(tsr_admin_exe)" "$(tsr_runner_exe)"; }

# console_open: starts the console in TSR_APP_DIR at its default place and
# size (a place stored by an earlier run is forgotten first).
console_open() {
  wine reg delete 'HKCU\Software\VB and VBA Program Settings\TsrAdmin' /f >/dev/null 2>&1
  tsr_start "$TSR_APP_DIR" "$CONSOLE"
  if ! adm wait-window --exe "$CONSOLE" --title "$CAPTION" --timeout 30000 >/dev/null; then
    tsr_fail "the console window did not appear"
    tsr_stop
    return 1
  fi
}

# console_close [Yes|No]: closes the window, answers the save prompt when it
# comes, and waits for the program to end.
console_close() {
  adm close --title "$CAPTION" >/dev/null
  if adm wait-window --title "Save File" --timeout 1500 >/dev/null 2>&1; then
    adm click --title "Save File" --text "&${1:-No}" >/dev/null
  fi
  tsr_wait_exit 10 || { tsr_fail "the console did not end"; tsr_stop; }
}

# tab X: clicks the tab whose caption holds x = X on the strip.
tab() { adm click --title "$CAPTION" --id "$ID_TABS" --at "$1,10"; }

# row_y ROW: y of a row's middle in its table control.
row_y() { echo $((2 + $1 * ROW_PX + ROW_PX / 2)); }

# cell GRID ROW [value]: makes the row's first data cell current, or its
# second ("value") by a step right, as a user clicking and pressing Right.
cell() {
  adm click --title "$CAPTION" --id "$1" --at "$FIRST_COL_X,$(row_y "$2")" || return 1
  [ "${3:-}" != value ] || adm key --title "$CAPTION" RIGHT
}

# double_click GRID ROW: a double-click on the row's first data cell (both
# clicks in one driver run, well within the double-click time).
double_click() {
  local at="$FIRST_COL_X,$(row_y "$2")"
  adm click --title "$CAPTION" --id "$1" --at "$at" click --id "$1" --at "$at"
}

# table_menu GRID POSITION [SHOT]: a right press on the table and the item
# at POSITION (from 1) of its pop-up menu; SHOT names a screenshot of the menu.
table_menu() {
  local try
  for try in 1 2 3; do
    adm click --title "$CAPTION" --id "$1" --right --at "$FIRST_COL_X,$(row_y 1)"
    [ -z "${3:-}" ] || { sleep 0.3; shot "$3"; }
    adm menu --title "$CAPTION" "#$2" --timeout 3000 >/dev/null 2>&1 && return 0
  done
  tsr_fail "no pop-up menu on table $1"
  return 1
}

status() { adm get-text --title "$CAPTION" --id "$ID_STATUS" | tr -d '\r'; }
save_button() { adm list --title "$CAPTION" | awk -F'\t' -v id="$ID_ACTION" 'NR > 1 && $3 == id { print $5; exit }'; }
save() { adm click --title "$CAPTION" --id "$ID_ACTION"; }

# pick_file TITLE NAME: types a file name into the open dialog and opens it.
pick_file() {
  if ! adm wait-window --title Open --timeout 10000 >/dev/null; then
    tsr_fail "$1: no open dialog"
    return 1
  fi
  adm type --title Open --input "$2" key RETURN
}

# lines FILE: the file's lines without their CR.
lines() { tr -d '\r' <"$1"; }

# dates_file_lines LINE...: the dates file, with no other spelling of its
# name left beside it (Linux would keep both; Windows has one file).
dates_file_lines() {
  find "$TSR_APP_DIR/Documents" -maxdepth 1 -iname document.ini -delete 2>/dev/null
  tsr_write_file "$TSR_APP_DIR/Documents/Document.ini" "$@"
}

# The dates file the console writes, "documents\document.ini": Windows names
# are not case-sensitive, so a new file may be spelled either way here.
saved_dates_file() {
  local found
  found=$(find "$TSR_APP_DIR/Documents" -maxdepth 1 -iname document.ini 2>/dev/null | head -1)
  echo "${found:-$TSR_APP_DIR/Documents/Document.ini}"
}

shot() { tsr_screenshot "$1-$TSR_FLAVOUR" >/dev/null; }
