#!/usr/bin/env bash
# The records tab on what a site's folders may hold: 25 records named with
# blanks, accents and "'" beside a 5 MB record and one of binary bytes (the
# list grows twice; the tip and every output take them), 10,000 records (the
# window keeps answering), a missing record folder, "TsrPath" naming a file
# and a "BundlePath" that cannot be written: a clear status text, nothing
# lost, no crash, no hang.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/records_lib.sh"

SQL_TEMPLATE='Log Sql=INSERT INTO Logs (Name, Updated) VALUES ()'

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# write_records FOLDER COUNT: COUNT records of about 1 KB, written at once.
write_records() {
  "$PYTHON" - "$1" "$2" <<'PY'
import os, sys
line = b"12/7/2026 9:05:00 AM, user Accept " + b"x" * 60 + b"\r\n"
names = ["user %d", "ren\u00e9 %d", "o'neil %d", "M\u00fcller, Hans %d", "  blanks %d"]
for i in range(int(sys.argv[2])):
    name = names[i % len(names)] % i + "_Declaration"
    with open(os.path.join(sys.argv[1], name), "wb") as f:
        f.write(line * 10)
PY
}

# A console on the app folder's settings, on the records tab.
open_records() {
  console_open "$1" || return 1
  logs_tab
}

odd_records() {
  records_folder Odd || return
  local logs="$TSR_APP_DIR/Logs"
  mkdir -p "$logs"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "TsrPath=$TSR_APP_WINDIR\\Logs" "Bundle Option=Excel" "$SQL_TEMPLATE"
  write_records "$logs" 25
  head -c 5242880 /dev/zero | tr '\0' 'r' | fold -w 78 | sed 's/$/\r/' >"$logs/big_Declaration"
  "$PYTHON" -c 'import sys; sys.stdout.buffer.write(bytes(range(256)) * 16)' >"$logs/binary_Declaration"
  open_records "odd records" || return
  assert_eq "&Export" "$(con_now_text "$ID_ACTION")" "\"Bundle Option\" Excel gives the export button"
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION" >/dev/null
  assert_match "^Logs have been exported to " "$(con_status)" "the export button writes the workbook"
  menu 1 "$MENU_SQL"
  local started=$(now_ms)
  menu 1 "$MENU_BUNDLE"
  assert_match "^Logs have been bundled in " "$(con_status)" "status after bundling 5 MB"
  assert_eq 1 "$(($(now_ms) - started < 10000))" "the bundle of 5 MB within 10 s"
  # 27 rows: the list of two rows grew by 20 twice.
  assert_eq ok "$(outputs check "$logs" 27)" "every record listed and in each output"

  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_LOGS" --at "$(list_point 1)" >/dev/null
  # Rows 28 on are the empty rows of the second growth (the header row
  # takes the pointer: no tip over it).
  hover 0
  adm key --exe "$CONSOLE" --title "$CAPTION" PAGEDOWN key PAGEDOWN >/dev/null
  sleep 0.3
  tsr_screenshot "console-records-27-end-$TSR_FLAVOUR" >/dev/null
  console_close "odd records"
}

# The tip over a 5 MB record, a binary one and a name with an accent and "'".
odd_tips() {
  records_folder Tips || return
  local logs="$TSR_APP_DIR/Logs"
  mkdir -p "$logs"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "TsrPath=$TSR_APP_WINDIR\\Logs"
  head -c 5242880 /dev/zero | tr '\0' 'r' | fold -w 78 | sed 's/$/\r/' >"$logs/big_Declaration"
  "$PYTHON" -c 'import sys; sys.stdout.buffer.write(b"\1\2" + bytes(range(256)) * 4)' >"$logs/binary_Declaration"
  printf "12/7/2026 9:05:00 AM, zo\xc3\xab o'neil Accept\r\n" >"$logs/zoë o'neil_Declaration"
  open_records "odd tips" || return
  menu 1 "$MENU_WORKBOOK"
  local row name
  for row in 1 2 3; do
    name=$(outputs row "$logs" "$row")
    hover "$row"
    case "$name" in
      big_Declaration)
        assert_eq 1 "$(console_tips | grep -c '"rrrrrrrr')" "the tip shows the start of the 5 MB record"
        tsr_screenshot "console-records-tip-big-$TSR_FLAVOUR" >/dev/null ;;
      binary_Declaration) tsr_screenshot "console-records-tip-binary-$TSR_FLAVOUR" >/dev/null ;;
      *) assert_eq 1 "$(console_tips | grep -c "zoë o'neil Accept")" "the tip of a name with an accent and \"'\"" ;;
    esac
  done
  assert_match "^Logs have been exported to " "$(con_status)" "the console answers after the tips"
  console_close "odd tips"
}

ten_thousand() {
  records_folder Huge || return
  mkdir -p "$TSR_APP_DIR/Logs"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "TsrPath=$TSR_APP_WINDIR\\Logs\\" "$SQL_TEMPLATE"
  write_records "$TSR_APP_DIR/Logs" 10000
  console_open "10,000 records" || return
  local started=$(now_ms)
  logs_tab
  assert_eq "Tessarin Logs" "$(con_status)" "10,000 records listed"
  local took=$(($(now_ms) - started))
  echo "records tab with 10,000 records: $took ms"
  assert_eq 1 "$((took < 3000))" "the tab lists 10,000 records within 3 s ($took ms)"
  menu 1 "$MENU_SQL"
  assert_eq 10000 "$(tr -d '\r' <"$TSR_APP_DIR/Logs/TessarinLog.sql" | wc -l)" "10,000 statements"
  console_close "10,000 records"
}

bad_folders() {
  records_folder Bad || return
  printf 'not a folder\r\n' >"$TSR_APP_DIR/afile"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "TsrPath=$TSR_APP_WINDIR\\Missing\\"
  if open_records "missing folder"; then
    assert_eq "The log folder $TSR_APP_WINDIR\\Missing\\ does not exist" \
      "$(status_after "The log folder $TSR_APP_WINDIR\\Missing\\ does not exist")" "a missing record folder"
    adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION" >/dev/null
    assert_eq "The log folder $TSR_APP_WINDIR\\Missing\\ does not exist" "$(con_status)" "bundling a missing folder"
    menu 1 "$MENU_REFRESH"
    assert_eq "The log folder $TSR_APP_WINDIR\\Missing\\ does not exist" "$(con_status)" "Refresh says it again"
    console_close "missing folder"
  fi
  assert_eq "" "$(find "$TSR_APP_DIR" -name Bundle.Log)" "no bundle anywhere"

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "TsrPath=$TSR_APP_WINDIR\\afile"
  if open_records "TsrPath naming a file"; then
    assert_eq "The log folder $TSR_APP_WINDIR\\afile is a file, not a folder" \
      "$(status_after "The log folder $TSR_APP_WINDIR\\afile is a file, not a folder")" "TsrPath naming a file"
    menu 1 "$MENU_SQL"
    assert_match "^The SQL script cannot be written to C:.Tsr.Bad.afile.TessarinLog\.sql: ." "$(con_status)" \
      "the SQL script beside a file that is no folder"
    console_close "TsrPath naming a file"
  fi
  assert_eq "not a folder" "$(tr -d '\r' <"$TSR_APP_DIR/afile")" "the file stays as it was"

  mkdir -p "$TSR_APP_DIR/Logs"
  write_records "$TSR_APP_DIR/Logs" 2
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "TsrPath=$TSR_APP_WINDIR\\Logs" "BundlePath=$TSR_APP_WINDIR\\NoSuch\\Out"
  if open_records "BundlePath that cannot be written"; then
    local out="C:.Tsr.Bad.NoSuch.Out."
    adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_ACTION" >/dev/null
    assert_match "^The bundle cannot be written to ${out}Bundle\.Log: ." "$(con_status)" "bundle status names file and reason"
    assert_eq 1 "$(con_now_enabled "$ID_ACTION")" "the button stays enabled after a failed bundle"
    menu 1 "$MENU_SQL"
    assert_match "^The SQL script cannot be written to ${out}TessarinLog\.sql: ." "$(con_status)" "SQL status"
    menu 1 "$MENU_WORKBOOK"
    assert_match "^The workbook cannot be written to ${out}TessarinLog\.xlsx: ." "$(con_status)" "workbook status"
    tsr_screenshot "console-records-unwritable-$TSR_FLAVOUR" >/dev/null
    console_close "BundlePath that cannot be written"
  fi
  assert_eq 2 "$(record_files "$TSR_APP_DIR/Logs" | wc -l)" "the records stay"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  odd_records
  odd_tips
  ten_thousand
  bad_folders
done
tsr_finish
