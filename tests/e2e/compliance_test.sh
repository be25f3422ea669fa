#!/usr/bin/env bash
# The console's compliance view and "Test connection", with a real
# PostgreSQL server this scenario starts (record_database_lib.sh). Five
# users answer through Tessarin.exe (one declines; one's "Last Run" is then
# set past the period) and a sixth is only named in "Users.txt": the view
# lists all six with their statuses, filters them, and its export is read
# back with openpyxl and Python's csv module; a header's sort orders it.
# Test connection with a good string, a wrong password and no driver named
# (the password in no message).
# Without a database the view is fed from the record files; a database that
# refuses the view is named with the driver's text.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/console_tables_lib.sh"
source "$(dirname "$0")/record_database_lib.sh"

ID_FILTER=400 ID_GRID=401 ID_REFRESH=402 ID_EXPORT=403 ID_CLOSE_VIEW=404 ID_VIEW_STATUS=405
VIEW="Compliance"
PYTHON=/usr/bin/python3 # Debian's, where python3-openpyxl lives
RECORD_ROW=4            # "Record Database" in the settings file below

# set_value FILE KEY VALUE: the key's line replaced (CR LF kept).
set_value() { KEY=$2 VALUE=$3 perl -i -pe 's/^\Q$ENV{KEY}\E=.*?(\r?)$/$ENV{KEY}=$ENV{VALUE}$1/' "$1"; }

answer_as() {
  win_open "answer as $1" -U "$1" || return 1
  win_driver click --exe Tessarin.exe --id "$2" >/dev/null
  tsr_wait_exit 15 || { tsr_fail "$1: the window did not close"; win_stop; }
}

settings() {
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7" "CloseAction=None" "Logon Start=0" \
    "Record Database=$1"
}

# exported: "user|answer|status" per exported row, from the CSV and the workbook.
exported() {
  "$PYTHON" - "$TSR_APP_DIR" <<'PY'
import csv, os, sys, openpyxl
folder = sys.argv[1]
with open(os.path.join(folder, "Compliance.csv"), encoding="utf-8-sig", newline="") as f:
    rows = list(csv.reader(f))
book = openpyxl.load_workbook(os.path.join(folder, "Compliance.xlsx"))
cells = [["" if c is None else str(c) for c in row] for row in book.worksheets[0].iter_rows(values_only=True)]
if cells != rows:
    print("workbook and CSV differ:", cells, rows)
for row in rows[1:]:
    print(f"{row[0]}|{row[1]}|{row[5]}")
PY
}

open_view() {
  adm key --title "$CAPTION" ALT+T key C >/dev/null
  adm wait-window --title "$VIEW" --timeout 15000 >/dev/null || { tsr_fail "$1: no compliance view"; return 1; }
}
box_answer() {
  adm get-text --class "#32770" --title "$1" --id 65535 --timeout 5000 click --text "$2" | tr -d '\r'
}
view_status() { adm get-text --title "$VIEW" --id "$ID_VIEW_STATUS" | tr -d '\r'; }
export_view() {
  rm -f "$TSR_APP_DIR"/Compliance.*
  adm click --title "$VIEW" --id "$ID_EXPORT" >/dev/null
}

# test_connection VALUE: types the row's value, runs Test Connection, prints the box's text.
test_connection() {
  cell "$ID_SETTINGS" "$RECORD_ROW" value
  [ -z "$1" ] || adm type --title "$CAPTION" --input "$1" key RETURN >/dev/null
  table_menu "$ID_SETTINGS" 3 || return 1
  adm wait-window --class "#32770" --title "Test connection" --timeout 15000 >/dev/null
  shot "compliance-test-connection-$2"
  box_answer "Test connection" OK
}

scenario() {
  console_folder Compliance >/dev/null || return
  settings "$(db_pg_connection)"
  tsr_write_file "$TSR_APP_DIR/Users.txt" "frank"
  rm -f "$(db_pending_file)"
  local user
  for user in anna bert carl emil; do answer_as "$user" "$ID_ACCEPT"; done
  answer_as dora "$ID_DECLINE"
  assert_eq 5 "$(db_query postgres "SELECT count(*) FROM tsr_answers")" "five rows in the database"
  # emil accepted long ago: his "Last Run" lies past the period of 7 days.
  set_value "$TSR_APP_DIR/Profiles/emil.ini" "Last Run" "$(date -d '30 days ago' +%-m/%-d/%Y)"

  console_open || return
  open_view "database" || return
  shot compliance-view
  assert_eq "6 of 6 users shown; answers from the database." "$(view_status)" "the view's status line"
  export_view
  assert_eq "anna|Accept|Current
bert|Accept|Current
carl|Accept|Current
dora|Decline|Declined
emil|Accept|Due again
frank||Never answered" "$(exported)" "every user with the right status (exported)"
  adm type --title "$VIEW" --id "$ID_FILTER" "D" >/dev/null  # "Due again", the first status with a D
  assert_eq "1 of 6 users shown; answers from the database." "$(view_status)" "filtered by status"
  shot compliance-view-due
  export_view
  assert_eq "emil|Accept|Due again" "$(exported)" "the export holds the filtered rows"
  adm click --title "$VIEW" --id "$ID_CLOSE_VIEW" >/dev/null

  tab "$TAB_SETTINGS"
  local said
  said=$(test_connection "" good)
  assert_match "Driver: .*Database: PostgreSQL" "$(tr '\n' ' ' <<<"$said")" "good string: the driver and database named"
  said=$(test_connection "$(db_pg_connection Wrong-Secret9)" wrong)
  assert_match "connection failed.*authentication" "$(tr '\n' ' ' <<<"$said")" "wrong password: the driver's error"
  assert_no_match "Wrong-Secret9|$DB_PG_PASSWORD" "$said" "wrong password: no password in the message"
  assert_no_match "Wrong-Secret9|$DB_PG_PASSWORD" "$(adm get-text --title "$CAPTION" --id "$ID_STATUS")" \
    "wrong password: no password in the status bar"
  said=$(test_connection "Server=127.0.0.1;Pwd=Wrong-Secret9" nodriver)
  assert_match "names no driver" "$said" "no driver named"

  # Without a database: the record files, first lines parsed.
  settings ""
  open_view "record files" || return
  assert_match "^6 of 6 users shown; answers from the record files" "$(view_status)" "fed from the record files"
  export_view
  assert_eq "anna|Accept|Current
bert|Accept|Current
carl|Accept|Current
dora|Decline|Declined
emil|Accept|Due again
frank||Never answered" "$(exported)" "record files: the same statuses"
  shot compliance-view-files
  # The grid's own sort from the "User" header's list: no case, descending.
  adm click --title "$VIEW" --id "$ID_GRID" --at 100,10 >/dev/null
  adm key --title "$VIEW" DOWN key DOWN key DOWN key RETURN >/dev/null
  export_view
  assert_eq "frank emil dora carl bert anna" "$(exported | cut -d'|' -f1 | xargs)" "sorted by user, descending"

  # "Reaccept On Change" in two profiles: bert accepted today's document,
  # anna an older one (the profile settings override the main ones).
  local doc="$TSR_APP_DIR/rules.html" line
  tsr_write_file "$doc" "<p>Rules of this year</p>"
  line=$(printf 'Reaccept On Change=Yes\r\nDeclaration Document=%s\\rules.html' "$TSR_APP_WINDIR")
  printf '%s\r\nAccepted Document=%s\r\n' "$line" "$(sha256sum "$doc" | cut -c1-64)" >>"$TSR_APP_DIR/Profiles/bert.ini"
  printf '%s\r\nAccepted Document=%064d\r\n' "$line" 0 >>"$TSR_APP_DIR/Profiles/anna.ini"
  adm click --title "$VIEW" --id "$ID_REFRESH" >/dev/null
  export_view
  assert_eq "anna|Accept|Due again bert|Accept|Current carl|Accept|Current dora|Decline|Declined \
emil|Accept|Due again frank||Never answered" "$(exported | xargs)" "a changed document is due again"

  # A database that refuses the view: the driver's text, no password, no rows.
  settings "$(db_pg_connection Wrong-Secret9)"
  adm click --title "$VIEW" --id "$ID_REFRESH" >/dev/null
  adm wait-window --class "#32770" --title "$VIEW" --timeout 15000 >/dev/null
  shot compliance-view-refused
  said=$(box_answer "$VIEW" OK)
  assert_match "could not be reached.*authentication" "$(tr '\n' ' ' <<<"$said")" "refused: the driver's error"
  assert_no_match "Wrong-Secret9|$DB_PG_PASSWORD" "$said$(view_status)" "refused: no password shown"
  console_close No
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  db_pg_init || continue
  scenario
  db_pg_stop
done
tsr_finish
