# Helpers of the console's records tab scenarios (sourced after lib.sh).

ID_TABS=100 ID_LOGS=105 ID_ACTION=106 ID_PATH=109 ID_STATUS=110
ID_BOX_TEXT=65535 # the text of a message box
CONSOLE=TsrAdmin.exe
CAPTION="Tessarin Admin"
BOX_TITLE="Delete all Logs"
PYTHON=/usr/bin/python3 # Debian's, where python3-openpyxl lives
# LogMenu's items as the arrow keys reach them.
MENU_BUNDLE='#1' MENU_EXCEL='#2' MENU_WORKBOOK='#3' MENU_SQL='#4' MENU_REFRESH='#5'
MENU_DELETE='#6' MENU_DELETE_ALL='#7'

# The driver in the scenario's language (stdin closed: loops read theirs).
adm() { LANG=$TSR_LANG LC_ALL=$TSR_LANG tsr_driver "$@" </dev/null; }

# records_folder NAME: C:\Tsr\NAME with the console and the declaration program.
records_folder() {
  tsr_app_folder "$1" "$(tsr_admin_exe)" "$(tsr_runner_exe)" >/dev/null
}

# console_open WHAT: starts the console in the app folder, waits for its window.
console_open() {
  tsr_start "$TSR_APP_DIR" "$CONSOLE"
  if ! adm wait-window --exe "$CONSOLE" --title "$CAPTION" --timeout 30000 >/dev/null; then
    tsr_fail "$1: the console window did not appear"
    console_stop
    return 1
  fi
}

console_stop() {
  kill -0 "$TSR_PID" 2>/dev/null || return 0
  adm kill --exe "$CONSOLE" >/dev/null 2>&1
  tsr_wait_exit 5 || kill "$TSR_PID" 2>/dev/null
  return 0
}

# console_close WHAT: the console must end by itself on WM_CLOSE.
console_close() {
  adm close --exe "$CONSOLE" --title "$CAPTION" >/dev/null
  if ! tsr_wait_exit 15; then
    tsr_fail "$1: the console did not end after close"
    console_stop
    return 1
  fi
  assert_eq 0 "$TSR_EXIT_CODE" "$1: exit code"
}

# logs_tab: the fourth tab, by the keyboard from the first.
logs_tab() {
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" --at 20,10 >/dev/null
  local i
  for i in 1 2 3; do adm key --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" RIGHT >/dev/null; done
}

con_list() { adm list --exe "$CONSOLE" --title "$CAPTION" | tr -d '\r'; }
con_row() { con_list | awk -F'\t' -v id="$1" 'NR > 1 && $3 == id { print; exit }'; }
con_text() { con_row "$1" | cut -f8 | sed 's/^"//; s/"$//; s/\\\\/\\/g'; }
con_enabled() { con_row "$1" | cut -f5; }
con_status() { adm get-text --exe "$CONSOLE" --title "$CAPTION" --id "$ID_STATUS" | tr -d '\r'; }
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
list_rect() { con_row "$ID_LOGS" | cut -f6 | tr ',' ' '; }
# list_point ROW: the point (control pixels) in the "Log File" column of ROW.
list_point() { echo "$(($(list_width) * 35 / 100)),$((2 + $1 * 19 + 9))"; }
list_width() { local l t r b; read -r l t r b <<<"$(list_rect)"; echo $((r - l)); }

# menu ROW ITEM [SHOT]: right-click ROW of the list and choose ITEM of
# LogMenu (the screenshot SHOT taken while the menu is up).
menu() {
  # The pointer first, and a moment for it to arrive: a click sent at once
  # may reach the list where the pointer was before.
  local at l t r b
  at=$(list_point "$1")
  read -r l t r b <<<"$(list_rect)"
  adm move-mouse $((l + ${at%,*})) $((t + ${at#*,})) sleep 150 >/dev/null
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_LOGS" --right --at "$at" >/dev/null
  if [ -n "${3:-}" ]; then
    sleep 0.3
    tsr_screenshot "$3" >/dev/null
  fi
  adm menu --exe "$CONSOLE" "$2" >/dev/null || tsr_fail "LogMenu item $2 could not be chosen"
}

# answer_box YES|NO: prints the question, answers it.
answer_box() {
  adm get-text --title "$BOX_TITLE" --id "$ID_BOX_TEXT" --timeout 5000 | tr -d '\r'
  adm click --title "$BOX_TITLE" --text "&$1" >/dev/null
}

# The record files of a folder, one name per line, sorted.
record_files() { (cd "$1" && ls -1 | grep '_Declaration' | sort); }

# Visible tooltip windows of the console.
console_tips() { tsr_driver windows --hidden </dev/null | tr -d '\r' | awk -F'\t' -v exe="$CONSOLE" '$3 == exe && $4 == 1 && $5 == "tooltips_class32"'; }
