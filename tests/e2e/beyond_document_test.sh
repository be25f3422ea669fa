#!/usr/bin/env bash
# The opt-in document rules under Wine: a changed document is shown again
# ("Reaccept On Change"), accept waits until the document was read to its end
# ("Require Reading To End"), and a document in the user's language comes
# first ("Language Documents").
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/tips_lib.sh"

EXE=Tessarin.exe
record() { echo "$TSR_APP_DIR/anna_Declaration"; }
settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Logon Start=0" "CloseAction=None" "$@"; }
document() { tsr_write_file "$TSR_APP_DIR/Documents/${2:-index.html}" "<html><body><h1>$1</h1><p>Be kind.</p></body></html>"; }

# answer ID: clicks an answer button; the program must then end by itself.
answer() {
  win_driver click --exe "$EXE" --id "$1" >/dev/null
  if ! tsr_wait_exit 15; then
    tsr_fail "the window did not close after clicking $1"
    win_stop
    return 1
  fi
}

# expect_start WHAT due|not-due: starts the program for anna.
expect_start() {
  tsr_start "$TSR_APP_DIR" "$EXE" -U anna
  if tsr_wait_exit 4; then
    assert_eq "$2" not-due "$1"
    return
  fi
  if win_driver wait-window --exe "$EXE" --timeout 8000 >/dev/null; then
    assert_eq "$2" due "$1"
  else
    tsr_fail "$1: neither ended nor showed a window"
  fi
  win_stop
}

reaccept_on_change() {
  local setting=$1 changed=$2
  tsr_app_folder Beyond >/dev/null || return
  settings "Declaration Period Days=30" "Reaccept On Change=$setting"
  document "Rules, version one"
  win_open "reaccept $setting" -U anna || return
  answer "$ID_ACCEPT" || return
  local fingerprint
  fingerprint=$(sha256sum "$TSR_APP_DIR/Documents/index.html" | cut -d' ' -f1)
  if [ "$setting" = Yes ]; then
    assert_file_contains "$TSR_APP_DIR/Profiles/anna.ini" "Accepted Document=$fingerprint"
    expect_start "reaccept Yes, same document" not-due
  else
    assert_file_not_contains "$TSR_APP_DIR/Profiles/anna.ini" "Accepted Document"
  fi
  document "Rules, version two"
  expect_start "reaccept $setting, document replaced" "$changed"
}

# A long document: the box and accept wait for the End key in the document.
reading_to_end() {
  tsr_app_folder Beyond >/dev/null || return
  settings "Declaration Period Days=0" "Require Reading To End=Yes" "CheckBox Caption=I have read it"
  local paragraphs
  paragraphs=$(printf '<p>Rule %s: use the computers for your work only.</p>' $(seq 1 200))
  tsr_write_file "$TSR_APP_DIR/Documents/index.html" "<html><body><h1>Long rules</h1>$paragraphs<p>THE END</p></body></html>"
  win_open "reading to end" -U anna || return
  sleep 1
  assert_eq 0 "$(win_field "$ID_CHK" 5)" "box disabled before the end is reached"
  win_driver click --exe "$EXE" --id "$ID_ACCEPT" >/dev/null
  sleep 0.3
  assert_eq 1 "$(kill -0 "$TSR_PID" 2>/dev/null && echo 1)" "accept before the end leaves the window up"
  # The tip over accept says why it waits (a balloon more than before).
  local point tips_before
  win_driver move-mouse 640 20 sleep 100 move-mouse 641 21 >/dev/null
  sleep 0.3
  tips_before=$(demo_tips "$EXE" | wc -l)
  point=$(demo_centre "$ID_ACCEPT" "$EXE")
  # shellcheck disable=SC2086
  win_driver move-mouse $point sleep 100 move-mouse $(awk '{ print $1 + 1, $2 + 1 }' <<<"$point") >/dev/null
  sleep 0.8
  assert_eq $((tips_before + 1)) "$(demo_tips "$EXE" | wc -l)" "accept's tip while reading is required"
  tsr_screenshot "beyond-reading-held-$TSR_FLAVOUR" >/dev/null

  win_driver key --exe "$EXE" --id "$ID_DOC" END >/dev/null
  sleep 0.5
  WIN_LIST=$(win_driver list --exe "$EXE" | tr -d '\r')
  assert_eq 1 "$(win_field "$ID_CHK" 5)" "box enabled once the end was reached"
  win_driver key --exe "$EXE" --id "$ID_DOC" HOME click --id "$ID_CHK" >/dev/null
  assert_eq 1 "$(win_driver get-check --exe "$EXE" --id "$ID_CHK" | tr -d '\r')" "box ticked after reading"
  tsr_screenshot "beyond-reading-done-$TSR_FLAVOUR" >/dev/null
  answer "$ID_ACCEPT" || return
  assert_file_contains "$(record)" "I have read it Accept"
}

language_documents() {
  tsr_app_folder Beyond >/dev/null || return
  settings "Declaration Period Days=0" "Language Documents=Yes" "Save Document Details=No"
  document "English rules"
  document "Deutsche Regeln" de/index.html
  TSR_LANG=de_DE.UTF-8
  win_open "German document" -U anna || { TSR_LANG=en_US.UTF-8; return; }
  assert_match "Deutsche Regeln" "$(win_document)" "the German document is shown"
  answer "$ID_ACCEPT"
  TSR_LANG=en_US.UTF-8
  assert_file_contains "$(record)" "/Documents/de/index.html"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  reaccept_on_change Yes due
  reaccept_on_change No not-due
  reading_to_end
  language_documents
done
tsr_finish
