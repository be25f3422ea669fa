# Helpers of the console's records tab scenarios (sourced after lib.sh; they
# build on console_lib.sh).
source "$(dirname "${BASH_SOURCE[0]}")/console_lib.sh"

BOX_TITLE="Delete all Logs"
PYTHON=/usr/bin/python3 # Debian's, where python3-openpyxl lives
# LogMenu's items as the arrow keys reach them.
MENU_BUNDLE='#1' MENU_EXCEL='#2' MENU_WORKBOOK='#3' MENU_SQL='#4' MENU_REFRESH='#5'
MENU_DELETE='#6' MENU_DELETE_ALL='#7'

# records_folder NAME: C:\Tsr\NAME with the console and the declaration program.
records_folder() {
  tsr_app_folder "$1" "$(tsr_admin_exe)" "$(tsr_runner_exe)" >/dev/null
}

# The records tab (the fourth).
logs_tab() { tab_click 3 >/dev/null; }

# A control's text and state as they are now.
con_now_text() { console_list && con_text "$1"; }
con_now_enabled() { console_list && con_enabled "$1"; }
con_status() { con_whole_text "$ID_STATUS"; }
# status_after TEXT: the status text once it reads TEXT (a notice the tab
# posts to itself comes a moment after the tab switch), or as it stands.
status_after() {
  local tries status
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    status=$(con_status)
    [ "$status" == "$1" ] && break
    sleep 0.2
  done
  printf '%s\n' "$status"
}

# The list's screen rectangle "left top right bottom".
list_rect() { console_list && con_row "$ID_LOGS" | cut -f6 | tr ',' ' '; }
# list_point ROW: the point (control pixels) in the "Log File" column of ROW
# (the header and each row 19 pixels high, inside a 2-pixel edge).
list_point() {
  local l t r b
  read -r l t r b <<<"$(list_rect)"
  echo "$(((r - l) * 35 / 100)),$((2 + $1 * 19 + 9))"
}
# hover ROW: the pointer rests on ROW of the list.
hover() {
  local l t r b y
  read -r l t r b <<<"$(list_rect)"
  y=$((t + 2 + $1 * 19 + 9))
  adm move-mouse $((l + 150)) "$y" sleep 100 move-mouse $((l + 151)) $((y + 1)) >/dev/null
  sleep 0.5
}

# menu ROW ITEM [SHOT]: right-click ROW of the list and choose ITEM of
# LogMenu (the screenshot SHOT taken while the menu is up).
MENU_NUDGE=0
menu() {
  # The pointer first, and a moment for it to arrive: a click sent at once
  # may reach the list where the pointer was before. Each click a little
  # beside the last: two at one spot within the double-click time make a
  # double click, which opens no menu.
  local at l t r b
  at=$(list_point "$1")
  MENU_NUDGE=$((12 - MENU_NUDGE))
  at="$((${at%,*} + MENU_NUDGE)),${at#*,}"
  read -r l t r b <<<"$(list_rect)"
  wait_no_menu
  adm move-mouse $((l + ${at%,*})) $((t + ${at#*,})) sleep 150 >/dev/null
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_LOGS" --right --at "$at" >/dev/null
  if [ -n "${3:-}" ]; then
    sleep 0.3
    tsr_screenshot "$3" >/dev/null
  fi
  adm menu --exe "$CONSOLE" "$2" >/dev/null || tsr_fail "LogMenu item $2 could not be chosen"
}

# The record files of a folder, one name per line, sorted.
record_files() { (cd "$1" && ls -1 | grep '_Declaration' | sort); }

# Visible tooltip windows of the console.
console_tips() {
  tsr_driver windows --hidden </dev/null | tr -d '\r' |
    awk -F'\t' -v exe="$CONSOLE" '$3 == exe && $4 == 1 && $5 == "tooltips_class32"'
}

# The records tab's outputs read back (tests/e2e/records_outputs.py).
outputs() { "$PYTHON" "$TSR_ROOT/tests/e2e/records_outputs.py" "$@"; }
