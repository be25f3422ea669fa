#!/usr/bin/env bash
# Answers in the site's database through ODBC ("Record Database"), with real
# databases: a SQLite file and a PostgreSQL server this scenario starts on a
# private port and data folder under build/. Five users answer through
# Tessarin.exe; each row's fields are checked and the record files are still
# written. With the server stopped the answers complete within the wait
# limit and wait in the user's pending file; the next start sends them once.
# Bad input: no driver named, a wrong password, a read-only database, a table
# made earlier with other columns, quotes, semicolons and accents in the user
# name and the document path, a pending file cut short or holding garbage.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/record_database_lib.sh"

COLUMNS_SQL="user_name, machine, coalesce(ip_address, '-'), coalesce(mac_address, '-'), answer, local_time,
  document_path, document_sha256, program_version, length(id)"

# answer_as USER BUTTON: opens the window as USER, clicks BUTTON; the window
# must close by itself within 10 s (the database may not hold it up longer).
answer_as() {
  local user=$1 button=$2 started
  win_open "answer as $user" -U "$user" || return 1
  started=$(tsr_now_ms)
  win_driver click --exe Tessarin.exe --id "$button" >/dev/null
  if ! tsr_wait_exit 15; then
    tsr_fail "$user: the window did not close"
    win_stop
    return 1
  fi
  ANSWER_MS=$(( $(tsr_now_ms) - started ))
  assert_eq 0 "$TSR_EXIT_CODE" "$user: exit code"
}

# five_users KIND CONNECTION: five answers (one decline) go to the database.
five_users() {
  local kind=$1 connection=$2 user doc sha expected local_time
  tsr_app_folder Db >/dev/null
  db_settings "$connection" "Save Machine ID=Both"
  doc=$TSR_APP_DIR/Documents/index.html
  tsr_write_file "$doc" "<html><body><p>Use computers kindly.</p></body></html>"
  sha=$(sha256sum "$doc" | cut -d' ' -f1)
  rm -f "$(db_pending_file)"
  for user in anna bert "o'neil;x" "dörte" emil; do
    if [ "$user" = emil ]; then answer_as "$user" "$ID_DECLINE"; else answer_as "$user" "$ID_ACCEPT"; fi
    echo "$TSR_FLAVOUR: $kind: $user: the answer closed in $ANSWER_MS ms"
    assert_file_exists "$TSR_APP_DIR/${user}_Declaration"
  done
  assert_file_missing "$(db_pending_file)"
  local rows
  rows=$(db_query "$kind" "SELECT $COLUMNS_SQL FROM tsr_answers ORDER BY user_name")
  assert_eq 5 "$(grep -c . <<<"$rows")" "$kind: five rows"
  for user in anna bert "o'neil;x" "dörte" emil; do
    local answer=Accept
    [ "$user" = emil ] && answer=Decline
    local_time=$(head -n 1 "$TSR_APP_DIR/${user}_Declaration" | sed 's/,.*//')
    local row
    row=$(grep -F "$user|" <<<"$rows" | head -n 1)
    IFS='|' read -r r_user r_machine r_ip r_mac r_answer r_local r_path r_sha r_version r_idlen <<<"$row"
    assert_eq "$user" "$r_user" "$kind/$user: user"
    assert_ne "" "$r_machine" "$kind/$user: machine name"
    assert_match '^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$' "$r_ip" "$kind/$user: IP address"
    assert_match '^[0-9A-F]{2}(-[0-9A-F]{2})+$' "$r_mac" "$kind/$user: MAC address"
    assert_eq "$answer" "$r_answer" "$kind/$user: answer"
    assert_eq "$local_time" "$r_local" "$kind/$user: local time as in the record"
    assert_eq 'C:\Tsr\Db\Documents\index.html' "$r_path" "$kind/$user: document path"
    assert_eq "$sha" "$r_sha" "$kind/$user: document fingerprint"
    assert_eq 4.2.0 "$r_version" "$kind/$user: program version"
    assert_eq 32 "$r_idlen" "$kind/$user: generated id"
  done
  # UTC time: within the last ten minutes for every row.
  assert_eq 5 "$(db_query "$kind" "$(db_recent_sql "$kind")")" "$kind: UTC times are now"
  assert_eq 5 "$(db_query "$kind" "SELECT count(DISTINCT id) FROM tsr_answers")" "$kind: ids differ"
}

# not_due_start: a start that shows nothing (period -2), as at the next logon.
not_due_start() {
  sed -i 's/^Declaration Period Days=0/Declaration Period Days=-2/' "$TSR_APP_DIR/Tessarin.ini"
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  tsr_wait_exit 20 || { tsr_fail "$1: the start did not end"; tsr_stop; }
  assert_eq 0 "$TSR_EXIT_CODE" "$1: exit code"
  sed -i 's/^Declaration Period Days=-2/Declaration Period Days=0/' "$TSR_APP_DIR/Tessarin.ini"
}

pending_lines() { if [ -f "$(db_pending_file)" ]; then grep -c . "$(db_pending_file)"; else echo 0; fi; }

# server_stopped: answers wait in the pending file and reach the server once.
server_stopped() {
  local user saved=$DB_DIR/pending-copy.txt
  tsr_app_folder Db >/dev/null
  db_settings "$(db_pg_connection)"
  rm -f "$(db_pending_file)"
  db_psql -c "DELETE FROM tsr_answers"
  db_pg_stop
  for user in fritz gerd; do
    answer_as "$user" "$ID_ACCEPT" || continue
    assert_file_exists "$TSR_APP_DIR/${user}_Declaration"
    echo "$TSR_FLAVOUR: server down: $user: the answer closed in $ANSWER_MS ms"
    [ "$ANSWER_MS" -le 6000 ] || tsr_fail "$user: the answer took $ANSWER_MS ms with the server down"
  done
  assert_eq 2 "$(pending_lines)" "server down: two rows pending"
  cp "$(db_pending_file)" "$saved"
  assert_file_not_contains "$(db_pending_file)" "$DB_PG_PASSWORD"
  db_pg_start || return
  not_due_start "next start"
  assert_file_missing "$(db_pending_file)"
  assert_eq "fritz gerd" "$(db_query postgres "SELECT user_name FROM tsr_answers ORDER BY user_name" | xargs)" \
    "the next start sent the pending rows"
  # Rows the server has already (their reply lost on the way) stay one each.
  cp "$saved" "$(db_pending_file)"
  not_due_start "rows sent twice"
  assert_file_missing "$(db_pending_file)"
  assert_eq 2 "$(db_query postgres "SELECT count(*) FROM tsr_answers")" "nothing duplicated"
}

# fallback WHAT CONNECTION: the answer completes, the row waits in the pending file.
fallback() {
  local what=$1 connection=$2
  tsr_app_folder Db >/dev/null
  db_settings "$connection"
  rm -f "$(db_pending_file)"
  answer_as anna "$ID_ACCEPT" || return
  assert_file_exists "$TSR_APP_DIR/anna_Declaration"
  assert_eq 1 "$(pending_lines)" "$what: the row waits in the pending file"
  echo "$TSR_FLAVOUR: $what: the answer closed in $ANSWER_MS ms"
  [ "$ANSWER_MS" -le 6000 ] || tsr_fail "$what: the answer took $ANSWER_MS ms"
  assert_eq "" "$(grep -rl "Pwd=" "$TSR_APP_DIR" "$(dirname "$(db_pending_file)")" --exclude=Tessarin.ini)" \
    "$what: the connection string is written nowhere"
}

bad_input() {
  fallback "no driver named" "Database=$DB_SQLITE"
  fallback "wrong password" "$(db_pg_connection wrong-password)"
  # A server that takes the connection and never answers: the wait limit ends it.
  local port=$((DB_PG_PORT + 1)) silent
  python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", int(sys.argv[1]))); s.listen(8); time.sleep(120)' "$port" &
  silent=$!
  sleep 0.5
  fallback "a server that never answers" "$(db_pg_connection | sed "s/Port=$DB_PG_PORT/Port=$port/")"
  kill "$silent" 2>/dev/null
  wait "$silent" 2>/dev/null
  db_psql -c "CREATE DATABASE tsr_ro" -c "ALTER DATABASE tsr_ro SET default_transaction_read_only = on"
  fallback "read-only database" "$(db_pg_connection "$DB_PG_PASSWORD" tsr_ro)"
  db_sqlite_fresh
  sqlite3 "$DB_SQLITE" "CREATE TABLE tsr_answers (id INTEGER PRIMARY KEY, who TEXT)"
  fallback "a table with other columns" "$(db_sqlite_connection)"
  assert_eq "id who" "$(sqlite3 "$DB_SQLITE" "SELECT name FROM pragma_table_info('tsr_answers')" | xargs)" \
    "the other table is left as it was"

  # A pending file cut mid-line and holding garbage: the good row goes, the rest is dropped.
  local good
  good=$(head -n 1 "$(db_pending_file)")
  db_sqlite_fresh
  db_settings "$(db_sqlite_connection)"
  { printf '%s\n' "$good"; printf 'garbage \001\002\377\r\n'; printf '%s' "${good:0:40}"; } >"$(db_pending_file)"
  not_due_start "damaged pending file"
  assert_file_missing "$(db_pending_file)"
  assert_eq anna "$(db_query sqlite "SELECT user_name FROM tsr_answers")" "the good pending row was sent"

  # Quotes, a semicolon and an accent in the document's path.
  local folder="Doc's;ä"
  tsr_app_folder "$folder" >/dev/null
  db_sqlite_fresh
  db_settings "$(db_sqlite_connection)"
  tsr_write_file "$TSR_APP_DIR/Documents/index.html" "<p>Rules.</p>"
  answer_as "o'neil;x" "$ID_ACCEPT" || return
  assert_eq "C:\\Tsr\\$folder\\Documents\\index.html|$(sha256sum "$TSR_APP_DIR/Documents/index.html" | cut -d' ' -f1)" \
    "$(db_query sqlite "SELECT document_path, document_sha256 FROM tsr_answers WHERE user_name = 'o''neil;x'")" \
    "document path with a quote, a semicolon and an accent"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  db_sqlite_fresh
  five_users sqlite "$(db_sqlite_connection)"
  db_pg_init || continue
  five_users postgres "$(db_pg_connection)"
  server_stopped
  bad_input
  db_pg_stop
done
tsr_finish
