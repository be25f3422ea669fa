# Benchmark of the answers in a real database, sourced by tools/bench.sh (it
# uses the helpers there): a PostgreSQL server of its own (the helpers of the
# record-database scenario) holding 50,000 answers of 10,000 users, loaded
# by one INSERT ... SELECT over generate_series.
#   - the console's compliance view: "TsrAdmin.exe /bench FILE /compliance"
#     times the query and the fill of its grid: at most 2 s (median);
#   - one answer's insert: from the click on accept to the program's end,
#     with "Record Database" set and without it: the medians differ by at
#     most 50 ms.

BENCH_DATABASE_RUNS=${BENCH_DATABASE_RUNS:-21}
BENCH_DATABASE_MAX_VIEW_MS=${BENCH_DATABASE_MAX_VIEW_MS:-2000}
BENCH_DATABASE_MAX_INSERT_MS=${BENCH_DATABASE_MAX_INSERT_MS:-50}

# The scenario helpers report through these.
declare -F tsr_fail >/dev/null || tsr_fail() { echo "bench: $*" >&2; }
declare -F tsr_cleanup >/dev/null || tsr_cleanup() { :; }

bench_database_load() {
  db_psql -c "CREATE TABLE IF NOT EXISTS tsr_answers (id VARCHAR(32) NOT NULL PRIMARY KEY,
      user_name VARCHAR(256) NOT NULL, machine VARCHAR(256), ip_address VARCHAR(64), mac_address VARCHAR(64),
      answer VARCHAR(256), local_time VARCHAR(64), utc_time TIMESTAMP NOT NULL, document_path VARCHAR(1024),
      document_sha256 CHAR(64), program_version VARCHAR(32))" \
    -c "CREATE INDEX IF NOT EXISTS tsr_answers_user_time ON tsr_answers (user_name, utc_time)" \
    -c "INSERT INTO tsr_answers SELECT md5(i::text), 'user' || lpad((i % 10000)::text, 5, '0'), 'PC' || (i % 997),
      NULL, NULL, CASE WHEN i % 13 = 0 THEN 'Decline' ELSE 'Accept' END,
      to_char(timestamp '2026-01-01' + i * interval '10 minutes', 'FMMM/FMDD/YYYY HH12:MI:SS AM'),
      timestamp '2026-01-01' + i * interval '10 minutes', 'C:\\Tsr\\Documents\\index.html', repeat('a', 64), '4.2.0'
      FROM generate_series(1, 50000) AS i" -c "ANALYZE tsr_answers"
}

# bench_database_answer FOLDER: ms from the click on accept to the end of Tessarin.exe.
bench_database_answer() {
  local folder=$1 driver start end
  driver=$(tsr_driver_exe "$BENCH_FLAVOUR")
  (cd "$folder" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec wine Tessarin.exe -U benchuser) >/dev/null 2>&1 &
  local pid=$!
  wine "$driver" wait-window --exe Tessarin.exe --timeout 20000 >/dev/null 2>&1 || { kill "$pid"; return 1; }
  start=$(bench_now_us)
  wine "$driver" click --exe Tessarin.exe --id 105 wait-exit --exe Tessarin.exe --timeout 15000 >/dev/null 2>&1
  end=$(bench_now_us)
  wait "$pid" 2>/dev/null
  echo $(((end - start) / 1000))
}

bench_database() {
  source "$TSR_ROOT/tests/e2e/record_database_lib.sh" || return 1
  trap 'db_pg_stop; bench_stop_keeper; tsr_wineserver_stop; tsr_display_stop' EXIT
  db_pg_init || return 1
  bench_database_load || { db_pg_stop; return 1; }

  local admin with without i t view= inserted= plain=
  admin=$(bench_app_folder BenchCompliance "$(tsr_admin_exe "$BENCH_FLAVOUR")") || return 1
  bench_write_ini "$admin/Tessarin.ini" "Declaration Period Days=7" "Record Database=$(db_pg_connection)"
  for ((i = 0; i < BENCH_DATABASE_RUNS; i++)); do
    rm -f "$admin/bench.txt"
    (cd "$admin" && LANG=$BENCH_LANG LC_ALL=$BENCH_LANG exec timeout 60 wine TsrAdmin.exe /bench bench.txt /compliance) \
      >/dev/null 2>&1
    t=$(tr -d '\r' <"$admin/bench.txt" 2>/dev/null | awk '/^compliance view: / { print int($3); exit }')
    [ -n "$t" ] || { echo "bench: TsrAdmin.exe wrote no compliance time" >&2; db_pg_stop; return 1; }
    view+="$t"$'\n'
  done

  with=$(bench_app_folder BenchAnswerDb "$BENCH_TESSARIN") || return 1
  without=$(bench_app_folder BenchAnswerFile "$BENCH_TESSARIN") || return 1
  bench_write_ini "$with/Tessarin.ini" "Declaration Period Days=0" "CloseAction=None" "Logon Start=0" \
    "CheckBox Caption= " "Record Database=$(db_pg_connection)"
  bench_write_ini "$without/Tessarin.ini" "Declaration Period Days=0" "CloseAction=None" "Logon Start=0" \
    "CheckBox Caption= "
  rm -f "$WINEPREFIX"/drive_c/users/*/AppData/Local/Tessarin/PendingAnswers.txt
  bench_database_answer "$with" >/dev/null && bench_database_answer "$without" >/dev/null || { db_pg_stop; return 1; }
  for ((i = 0; i < BENCH_DATABASE_RUNS; i++)); do
    t=$(bench_database_answer "$with") || { db_pg_stop; return 1; }
    inserted+="$t"$'\n'
    t=$(bench_database_answer "$without") || { db_pg_stop; return 1; }
    plain+="$t"$'\n'
  done
  local rows pending=0
  rows=$(db_psql -A -t -c "SELECT count(*) FROM tsr_answers WHERE user_name = 'benchuser'")
  ls "$WINEPREFIX"/drive_c/users/*/AppData/Local/Tessarin/PendingAnswers.txt >/dev/null 2>&1 && pending=1
  db_pg_stop

  local view_median with_median without_median added
  view_median=$(bench_median <<<"$view")
  with_median=$(bench_median <<<"$inserted")
  without_median=$(bench_median <<<"$plain")
  added=$((with_median - without_median))
  printf 'answers database: 50,000 rows of 10,000 users in PostgreSQL, %d runs each (LANG=%s)\n' \
    "$BENCH_DATABASE_RUNS" "$BENCH_LANG"
  printf '  %-34s : median %6s ms  (%s ms; limit %s ms)\n' "compliance view: query and fill" "$view_median" \
    "$(awk 'NF' <<<"$view" | sort -n | paste -sd' ')" "$BENCH_DATABASE_MAX_VIEW_MS"
  printf '  %-34s : median %6s ms  (%s)\n' "answer to exit, with the database" "$with_median" \
    "$(awk 'NF' <<<"$inserted" | sort -n | paste -sd' ')"
  printf '  %-34s : median %6s ms  (%s)\n' "answer to exit, without it" "$without_median" \
    "$(awk 'NF' <<<"$plain" | sort -n | paste -sd' ')"
  printf '  the insert adds %s ms (limit %s ms); rows of benchuser %s, pending file %s\n' "$added" \
    "$BENCH_DATABASE_MAX_INSERT_MS" "$rows" "$([ $pending = 1 ] && echo left || echo none)"
  [ "$rows" -eq $((BENCH_DATABASE_RUNS + 1)) ] && [ $pending = 0 ] &&
    [ "$view_median" -le "$BENCH_DATABASE_MAX_VIEW_MS" ] && [ "$added" -le "$BENCH_DATABASE_MAX_INSERT_MS" ]
}
