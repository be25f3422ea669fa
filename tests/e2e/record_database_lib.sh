# The databases of the record-database scenario: a SQLite file and a
# PostgreSQL server of its own (source it after lib.sh).

DB_DIR=$TSR_ROOT/build/e2e-db
mkdir -p "$DB_DIR"

# db_settings CONNECTION [LINE...]: the app folder's settings, due at every start.
db_settings() {
  local connection=$1
  shift
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "CloseAction=None" "Logon Start=0" \
    "Record Database=$connection" "$@"
}

# The pending answers of the prefix's user.
db_pending_file() {
  echo "$(tsr_user_data)/PendingAnswers.txt"
}

# ---- SQLite ---------------------------------------------------------------

DB_SQLITE=$DB_DIR/answers.db
db_sqlite_fresh() { rm -f "$DB_SQLITE"; }
db_sqlite_connection() { echo "Driver=SQLite3;Database=$DB_SQLITE"; }

# db_query KIND SQL: rows as "a|b|c" lines.
db_query() {
  case "$1" in
    sqlite) sqlite3 -separator '|' "$DB_SQLITE" "$2" ;;
    postgres) db_psql -A -t -F '|' -c "$2" ;;
  esac
}

db_recent_sql() {
  case "$1" in
    sqlite) echo "SELECT count(*) FROM tsr_answers WHERE julianday(utc_time) BETWEEN julianday('now', '-10 minutes') AND julianday('now', '+1 minute')" ;;
    postgres) echo "SELECT count(*) FROM tsr_answers WHERE utc_time BETWEEN (now() AT TIME ZONE 'UTC') - interval '10 minutes' AND (now() AT TIME ZONE 'UTC') + interval '1 minute'" ;;
  esac
}

# ---- PostgreSQL -------------------------------------------------------------
# The server runs as the postgres account when this runs as root (the
# server refuses root), from a data folder under build/, on a port of its own.

DB_PG_BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
DB_PG_DIR=$DB_DIR/pg
DB_PG_PORT=$((55000 + $$ % 5000))
DB_PG_PASSWORD='tsr-Secret1'
DB_PG_STARTED=0

db_as_pg() {
  if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

db_psql() {
  PGCLIENTENCODING=UTF8 PGPASSWORD=$DB_PG_PASSWORD "$DB_PG_BIN/psql" -X -q -h 127.0.0.1 -p "$DB_PG_PORT" -U tsr -d "${DB_PG_NAME:-tsr}" \
    -v ON_ERROR_STOP=1 "$@"
}

# db_pg_connection [PASSWORD] [DATABASE]
db_pg_connection() {
  echo "Driver={PostgreSQL Unicode};Server=127.0.0.1;Port=$DB_PG_PORT;Database=${2:-tsr};Uid=tsr;Pwd=${1:-$DB_PG_PASSWORD}"
}

# A new cluster with the account tsr (password only) and its database tsr.
db_pg_init() {
  [ -x "$DB_PG_BIN/initdb" ] || { tsr_fail "PostgreSQL is not installed"; return 1; }
  db_pg_stop
  rm -rf "$DB_PG_DIR"
  mkdir -p "$DB_PG_DIR/run"
  printf '%s\n' "$DB_PG_PASSWORD" >"$DB_PG_DIR/password"
  [ "$(id -u)" = 0 ] && chown -R postgres "$DB_PG_DIR"
  db_as_pg "$DB_PG_BIN/initdb" -D "$DB_PG_DIR/data" -U tsr --pwfile="$DB_PG_DIR/password" -A scram-sha-256 \
    -E UTF8 --locale=C >"$DB_PG_DIR/initdb.log" 2>&1 || { tsr_fail "initdb failed (build/e2e-db/pg/initdb.log)"; return 1; }
  db_pg_start || return 1
  PGPASSWORD=$DB_PG_PASSWORD "$DB_PG_BIN/createdb" -h 127.0.0.1 -p "$DB_PG_PORT" -U tsr tsr
}

db_pg_start() {
  db_as_pg "$DB_PG_BIN/pg_ctl" -D "$DB_PG_DIR/data" -l "$DB_PG_DIR/server.log" -w -t 30 \
    -o "-p $DB_PG_PORT -k $DB_PG_DIR/run -c listen_addresses=127.0.0.1" start >/dev/null \
    || { tsr_fail "the PostgreSQL server did not start (build/e2e-db/pg/server.log)"; return 1; }
  DB_PG_STARTED=1
}

db_pg_stop() {
  [ "$DB_PG_STARTED" = 1 ] || return 0
  db_as_pg "$DB_PG_BIN/pg_ctl" -D "$DB_PG_DIR/data" -m fast -w stop >/dev/null 2>&1
  DB_PG_STARTED=0
}

# The server goes with the scenario, whatever ends it.
trap 'db_pg_stop; tsr_cleanup' EXIT
