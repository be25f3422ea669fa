#!/usr/bin/env bash
# The console's records tab on records the real declaration program wrote:
# five users accept, the tab lists five rows, the bundle, the SQL script and
# the workbook hold exactly those five, the tip shows a record's text, "Delete
# the log" on row 2 leaves four, "Delete All Logs" leaves only the outputs.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/records_lib.sh"

USERS=(anna "ben smith" "o'brien" "josé" "zoë")
SQL_TEMPLATE='Log Sql=INSERT INTO Logs (Name, Updated) VALUES ()'

accept_all() {
  local user
  for user in "${USERS[@]}"; do
    # Unquoted: the name is the rest of the command line, and Wine would
    # quote an argument holding a blank.
    # shellcheck disable=SC2086
    win_open "-U $user" -U $user || continue
    win_driver click --exe Tessarin.exe --id "$ID_CHK" >/dev/null
    win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" >/dev/null
    tsr_wait_exit 15 || { tsr_fail "-U $user: the declaration did not close"; win_stop; }
  done
}


lists_and_outputs() {
  logs_tab
  assert_eq "Tessarin Logs" "$(con_status)" "status on the records tab"
  assert_eq "$LOGS_WIN\\" "$(con_now_text "$ID_PATH")" "the path label shows the log folder"
  assert_eq "&Bundle" "$(con_now_text "$ID_ACTION")" "action button without \"Bundle Option\""
  tsr_screenshot "console-records-tab-$TSR_FLAVOUR" >/dev/null

  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION" >/dev/null
  assert_eq "Logs have been bundled in $LOGS_WIN\\Bundle.Log" "$(con_status)" "status after the bundle"
  assert_eq 0 "$(con_now_enabled "$ID_ACTION")" "the action button is disabled after the bundle"
  menu 1 "$MENU_SQL" "console-records-menu-$TSR_FLAVOUR"
  assert_eq "Sql have been generated in $LOGS_WIN\\TessarinLog.sql" "$(con_status)" "status after the SQL script"
  # Without a spreadsheet application "Export to Excel" writes the workbook.
  menu 1 "$MENU_EXCEL"
  assert_eq "Logs have been exported to $LOGS_WIN\\TessarinLog.xlsx and $LOGS_WIN\\TessarinLog.csv" \
    "$(con_status)" "status after the export"
  assert_eq ok "$(outputs check "$LOGS" 5)" "bundle, SQL script, workbook and CSV hold the five records"
  assert_file_contains "$LOGS/TessarinLog.sql" "('o''brien_Declaration',"
}

tip_shows_record() {
  local first
  first=$(outputs row "$LOGS" 1)
  hover 1
  assert_eq 1 "$(console_tips | grep -cF "${first%_Declaration} has read the declaration Accept")" \
    "the tip shows the record of row 1 ($first)"
  tsr_screenshot "console-records-tip-$TSR_FLAVOUR" >/dev/null
  adm move-mouse 900 700 >/dev/null
}

deletes() {
  local second
  second=$(outputs row "$LOGS" 2)
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_LOGS" --at "$(list_point 1)" >/dev/null
  menu 1 "$MENU_DELETE"
  assert_eq "Do you want to delete the log in line 1 ?" "$(box_answer "$BOX_TITLE" "&No")" "the question names the line"
  assert_eq 5 "$(record_files "$LOGS" | wc -l)" "No deletes nothing"

  menu 2 "$MENU_DELETE"
  assert_eq "Do you want to delete the log in line 2 ?" "$(box_answer "$BOX_TITLE" "&Yes")" "the right-clicked row is asked about"
  assert_eq "The log has been deleted" "$(con_status)" "status after the delete"
  assert_file_missing "$LOGS/$second"
  menu 1 "$MENU_SQL"
  assert_eq 4 "$(tr -d '\r' <"$LOGS/TessarinLog.sql" | wc -l)" "the list shows four rows"
  assert_file_not_contains "$LOGS/TessarinLog.sql" "'${second//\'/\'\'}'"
  tsr_screenshot "console-records-deleted-$TSR_FLAVOUR" >/dev/null

  menu 5 "$MENU_DELETE"
  assert_eq "No Log has been selected" "$(con_status)" "an empty row has nothing to delete"
  menu 1 "$MENU_DELETE_ALL"
  assert_eq "Do you want to delete all logs?" "$(box_answer "$BOX_TITLE" "&Yes")" "the question for all"
  assert_eq "The log has been deleted" "$(con_status)" "status after deleting all"
  assert_eq "" "$(record_files "$LOGS")" "no record is left"
  assert_file_exists "$LOGS/Bundle.Log"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  records_folder Records || continue
  LOGS="$TSR_APP_DIR/Logs" LOGS_WIN="$TSR_APP_WINDIR\\Logs"
  mkdir -p "$LOGS"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "TsrPath=$LOGS_WIN\\" "$SQL_TEMPLATE" \
    "CheckBox Caption=User Name has read the declaration"
  accept_all
  assert_eq 5 "$(record_files "$LOGS" | wc -l)" "five users accepted"
  console_open "records" || continue
  lists_and_outputs
  tip_shows_record
  deletes
  console_close "records"
done
tsr_finish
