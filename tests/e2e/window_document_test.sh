#!/usr/bin/env bash
# Today's document under Wine's clock and regional settings: the dates file
# and its key forms, the fall-backs, the screen-saver draw, the history
# buttons by document kind, and documents or dates files that are bad input.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$@"; }
dates() { tsr_write_file "$TSR_APP_DIR/Documents/Document.ini" "$@"; }
day() { tsr_short_date "$TSR_LANG" "$1"; }
weekday() { LC_ALL=$TSR_LANG date -d "$1 days" "+$2"; }

# page NAME: Docs\NAME.html whose text starts with NAME in capitals; prints its Windows path.
page() {
  local name=$1
  mkdir -p "$TSR_APP_DIR/Docs"
  printf '<html><body><h1>%s</h1><p>Policy text of %s.</p></body></html>\r\n' \
    "${name^^}" "$name" >"$TSR_APP_DIR/Docs/$name.html"
  echo "$TSR_APP_WINDIR\\Docs\\$name.html"
}

# expect_document WHAT TEXT [ARGS...]: the window shows the page whose text starts with TEXT.
expect_document() {
  local what=$1 text=$2
  shift 2
  win_open "$what" "$@" || return
  assert_match "^$text" "$(win_document)" "$what ($TSR_LANG)"
  win_stop
}

dates_file() {
  tsr_app_folder "Dates" >/dev/null
  mkdir -p "$TSR_APP_DIR/Documents"
  printf '<html><body><h1>INDEX</h1></body></html>' >"$TSR_APP_DIR/Documents/index.html"
  local yesterday today missing range setting
  yesterday=$(page yesterday) today=$(page today) range=$(page range) setting=$(page setting)
  missing="$TSR_APP_WINDIR\\Docs\\missing.html"

  settings "Declaration Document= $setting "
  dates "$(day -1)=$yesterday" "$(weekday 0 %A)=$missing" "$(day 0)=$today"
  expect_document "first match names a missing document: the setting is next" SETTING
  settings ""
  expect_document "first match names a missing document: the standard name is next" INDEX

  dates "$(day -1)=$yesterday" "$(weekday 1 %a)=$yesterday" "$(weekday 0 %a)=$today"
  expect_document "short weekday name" TODAY
  dates "$(weekday 0 %A | tr '[:lower:]' '[:upper:]')=$today"
  expect_document "full weekday name in capitals" TODAY
  dates "$(date +%Y-%m-%d)=$yesterday" "$(day -3)-$(day 0)=$range"
  expect_document "ISO date is a range that never matches; a range ending today" RANGE
  dates "$(day 0)-$(day 2)=$range"
  expect_document "range starting today" RANGE
  dates "$(day 0)=$today"
  expect_document "today's date" TODAY

  # Minute digit: one line per digit; the window shows the digit of the
  # minute it started in (or the next one when the minute turned meanwhile).
  local d lines=()
  for d in 0 1 2 3 4 5 6 7 8 9; do lines+=("$d=$(page "digit$d")"); done
  dates "${lines[@]}"
  local before after shown
  before=$(date +%M)
  win_open "minute digit" || return
  after=$(date +%M)
  shown=$(win_document | head -1)
  if [ "$shown" = "DIGIT${before: -1}" ] || [ "$shown" = "DIGIT${after: -1}" ]; then
    assert_eq "$shown" "$shown" "minute digit key ($TSR_LANG)"
  else
    assert_eq "DIGIT${before: -1}" "$shown" "minute digit key ($TSR_LANG)"
  fi
  win_stop
  dates "0$(date +%M | cut -c2)=$today" "55=$today"
  expect_document "keys of two digits never match" INDEX
}

# German regional settings: German weekday names and dates with dots.
german_dates() {
  tsr_app_folder "Datum" >/dev/null
  mkdir -p "$TSR_APP_DIR/Documents"
  printf '<html><body><h1>INDEX</h1></body></html>' >"$TSR_APP_DIR/Documents/index.html"
  local today
  today=$(page today)
  dates "$(weekday 0 %A)=$today"
  expect_document "German full weekday name" TODAY
  dates "$(day 0)=$today"
  expect_document "German short date" TODAY
  dates "$(day -2)-$(day 1)=$today"
  expect_document "German date range" TODAY
  # The German short name ("Mo") is a weekday name but not the first three
  # letters of the full one, so it never matches.
  dates "$(weekday 0 %a)=$today"
  expect_document "German short weekday name never matches" INDEX
}

screen_saver() {
  tsr_app_folder "Saver" >/dev/null
  local saver today
  saver=$(page saver) today=$(page today)
  dates "$(day 0)=$today"
  tsr_write_file "$TSR_APP_DIR/Documents/ScreenSaverDoc.ini" "no match=$saver"
  expect_document "screen saver: its own dates file, one line drawn" SAVER /s
  expect_document "outside screen-saver mode the dates file" TODAY
  rm "$TSR_APP_DIR/Documents/ScreenSaverDoc.ini"
  expect_document "screen saver without its file uses the dates file" TODAY /s
}

history_buttons() {
  tsr_app_folder "History" >/dev/null
  local html
  html=$(page policy)
  mv "$TSR_APP_DIR/Docs/policy.html" "$TSR_APP_DIR/Docs/policy.HTML"
  settings "Declaration Document=${html%.html}.HTML"
  win_open "HTML document" || return
  assert_eq "1 1" "$(win_visible $ID_BACK) $(win_visible $ID_NEXT)" "history buttons for .HTML"
  win_stop
  printf '%%PDF-1.4\n%%\xe2\xe3\n1 0 obj <<>> endobj\ntrailer <<>>\n%%%%EOF\n' >"$TSR_APP_DIR/Docs/policy.pdf"
  settings "Declaration Document=$TSR_APP_WINDIR\\Docs\\policy.pdf"
  win_open "PDF document" || return
  assert_eq "0 0" "$(win_visible $ID_BACK) $(win_visible $ID_NEXT)" "no history buttons for .pdf"
  tsr_screenshot "window-pdf-document-$TSR_FLAVOUR" >/dev/null
  win_stop
}

# bad_document WHAT FILE-NAME: the window still shows, in time, and keeps running.
bad_document() {
  local what=$1 name=$2 start elapsed
  settings "Declaration Document=$TSR_APP_WINDIR\\Docs\\$name"
  start=$(tsr_now_ms)
  win_open "$what" || return
  elapsed=$(( $(tsr_now_ms) - start ))
  assert_eq 1 "$(( elapsed < 5000 ))" "$what: window within 5 s (${elapsed} ms)"
  assert_ne "" "$(win_row $ID_DOC)" "$what: document view present"
  sleep 1
  assert_eq 1 "$(kill -0 "$TSR_PID" 2>/dev/null && echo 1 || echo 0)" "$what: still running"
  tsr_screenshot "window-bad-input-${name%%.*}-$TSR_FLAVOUR" >/dev/null
  win_stop
}

bad_input() {
  tsr_app_folder "Bad" >/dev/null
  mkdir -p "$TSR_APP_DIR/Docs"
  : >"$TSR_APP_DIR/Docs/empty.html"
  head -c 200000 /dev/urandom >"$TSR_APP_DIR/Docs/binary.html"
  { echo '<html><body><h1>Huge'
    yes '<p>A paragraph of the policy with <b>bold</b> and <i>italic</i> words.</p>' | head -c 20000000
    echo '</body></html>'; } >"$TSR_APP_DIR/Docs/huge.html"
  printf '<html><body><h1>Broken <b>unclosed <i>tags\n<p>a < b and c <<< d\n<ul><li>one<li>two\n<p>end' \
    >"$TSR_APP_DIR/Docs/malformed.html"
  bad_document "empty document" empty.html
  bad_document "binary document" binary.html
  bad_document "20 MB document" huge.html
  bad_document "malformed document" malformed.html

  # A path with spaces and a letter of the ANSI code page (é, 0xE9 in 1252).
  mkdir -p "$TSR_APP_DIR/Policy files"
  printf '<html><body><h1>ACCENTED</h1></body></html>' >"$TSR_APP_DIR/Policy files/Déclaration é.html"
  printf 'Declaration Document=%s\\Policy files\\D\xe9claration \xe9.html\r\n' "$TSR_APP_WINDIR" \
    >"$TSR_APP_DIR/Tessarin.ini"
  expect_document "path with spaces and accents" ACCENTED

  # 100,000 lines of dates before the one that matches.
  local today start elapsed
  today=$(page today)
  settings ""
  { for ((i = 0; i < 100; i++)); do printf '1/1/2001-1/2/2001=C:\\none.html\r\n'; done
  } >"$TSR_LOG_DIR/block"
  mkdir -p "$TSR_APP_DIR/Documents"
  for ((i = 0; i < 1000; i++)); do cat "$TSR_LOG_DIR/block"; done >"$TSR_APP_DIR/Documents/Document.ini"
  printf '%s=%s\r\n' "$(day 0)" "$today" >>"$TSR_APP_DIR/Documents/Document.ini"
  start=$(tsr_now_ms)
  expect_document "dates file of 100,000 lines" TODAY
  elapsed=$(( $(tsr_now_ms) - start ))
  assert_eq 1 "$(( elapsed < 8000 ))" "100,000 dates lines within 8 s (${elapsed} ms)"
}

# No document to show: the view says so in one line instead of showing an
# empty page; the user can still answer, and the record says "not found".
no_document() {
  tsr_app_folder "Nothing" >/dev/null
  mkdir -p "$TSR_APP_DIR/Documents"
  local line="The declaration document could not be opened: no document was found."
  win_open "no document" -U anna || return
  assert_eq "$line" "$(win_document)" "no settings, empty Documents: the view says so"
  tsr_screenshot "window-no-document-$TSR_FLAVOUR" >/dev/null
  win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" >/dev/null  # no check box caption: no box to tick
  if ! tsr_wait_exit 15; then
    tsr_fail "no document: the window did not close after the answer"
    win_stop
    return 1
  fi
  assert_eq "Declaration document is not found." "$(sed -n 2p "$TSR_APP_DIR/anna_Declaration" | tr -d '\r')" \
    "no document: the record's details"

  # A document named like a device is never opened: the same line, at once.
  settings "Declaration Document=$TSR_APP_WINDIR\\Documents\\COM1.html"
  win_open "device as document" || return
  assert_eq "$line" "$(win_document)" "a device name is no document"
  win_stop
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  for TSR_LANG in en_US.UTF-8 en_GB.UTF-8; do
    dates_file
  done
  TSR_LANG=de_DE.UTF-8
  german_dates
  TSR_LANG=en_US.UTF-8
  screen_saver
  history_buttons
  bad_input
  no_document
done
tsr_finish
