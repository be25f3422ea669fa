#!/usr/bin/env bash
# The keyboard held while the declaration is up ("Block System Keys"): keys
# sent with SendInput from another program to a bystander window that has the
# focus (Alt+Tab, the Windows key, and F5 as an ordinary key that always
# passes) do not reach it while the window is up and do again after the
# answer; with "No" they are never held. The user's accessibility flags wait
# in a file while the window is up and are given back after the answer, and
# after a killed run at the next start.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

# What the bystander records: Alt (12) and F5 (74) always; Tab (09) and the
# left Windows key (5B) only when nothing swallowed them.
HELD="12 74"
FREE="12 09 5B 74"

settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "CloseAction=None" "$@"; }

saved_file() {
  echo "$(tsr_user_data)/SavedShortcuts.txt"
}

witness_start() {
  rm -f "$TSR_LOG_DIR/key_witness.out"
  (cd "$TSR_LOG_DIR" && exec wine "$(tsr_build_dir)/tests/driver/key_witness.exe") >/dev/null 2>&1 &
  TSR_STARTED_PIDS+=("$!")
  win_driver wait-window --exe key_witness.exe --timeout 20000 >/dev/null || tsr_fail "the key witness did not start"
}

# The keys the bystander got for Alt+Tab, the Windows key and F5, sent while
# it has the focus.
witness_keys() {
  : >"$TSR_LOG_DIR/key_witness.out"
  win_driver key --exe key_witness.exe ALT+TAB key LWIN key F5 >/dev/null
  tr -d '\r' <"$TSR_LOG_DIR/key_witness.out" | xargs
}

# The session's flags before the declaration starts: first set to a user's
# own choice where the system lets a program change them (Wine 8 refuses).
user_flags() {
  win_driver access-flags --set 510,126,62 >/dev/null 2>&1
  win_driver access-flags | tr -d '\r'
}

held_until_answer() {
  tsr_app_folder SystemKeys >/dev/null
  settings
  local before
  before=$(user_flags)
  rm -f "$(saved_file)"
  win_open "keys held" -U anna || return
  assert_file_exists "$(saved_file)"
  assert_eq "$HELD" "$(witness_keys)" "while the window is up Alt+Tab and the Windows key reach no other window"
  tsr_screenshot "system-keys-held-$TSR_FLAVOUR" >/dev/null
  # The Alt of a swallowed Alt+Tab, released alone, opens no menu either.
  win_driver key --exe Tessarin.exe ALT+TAB key DOWN >/dev/null
  sleep 0.3
  tsr_screenshot "system-keys-alt-tab-$TSR_FLAVOUR" >/dev/null
  assert_eq "" "$(win_driver list --class "#32768" --timeout 200 2>/dev/null | tr -d '\r')" "Alt+Tab then Down: no menu opens"
  win_driver key --exe Tessarin.exe ESCAPE >/dev/null
  # Nor does the system menu's Minimize free the desktop.
  win_driver key --exe Tessarin.exe ALT+SPACE key N >/dev/null
  sleep 0.3
  assert_no_match "minimized" "$(win_driver list --exe Tessarin.exe | head -n 1)" "Alt+Space, Minimize: the window stays"
  win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" --post >/dev/null
  tsr_wait_exit 10 || { tsr_fail "the answer did not end the program"; win_stop; }
  assert_eq "$FREE" "$(witness_keys)" "after the answer the keys reach other windows again"
  tsr_screenshot "system-keys-after-answer-$TSR_FLAVOUR" >/dev/null
  assert_file_missing "$(saved_file)"
  assert_eq "$before" "$(win_driver access-flags | tr -d '\r')" "after the answer the accessibility flags are the user's"
}

not_held_with_no() {
  tsr_app_folder SystemKeys >/dev/null
  settings "Block System Keys=No"
  win_open "keys not held" -U anna || return
  assert_eq "$FREE" "$(witness_keys)" "Block System Keys=No: the keys are not swallowed"
  assert_file_missing "$(saved_file)"
  win_stop
}

given_back_after_a_kill() {
  tsr_app_folder SystemKeys >/dev/null
  settings
  local before
  before=$(user_flags)
  win_open "killed while held" -U anna || return
  win_driver kill --exe Tessarin.exe >/dev/null
  tsr_wait_exit 10 || tsr_fail "killed: the program did not end"
  assert_file_exists "$(saved_file)"
  assert_eq "$FREE" "$(witness_keys)" "killed: the hook went with the process"
  # The next start, not due, gives the flags back and removes the file.
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7"
  tsr_write_file "$TSR_APP_DIR/Profiles/anna.ini" "Last Run=$(tsr_short_date "$TSR_LANG" 0)"
  tsr_start "$TSR_APP_DIR" Tessarin.exe -U anna
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "the next start: exit code"
  assert_file_missing "$(saved_file)"
  assert_eq "$before" "$(win_driver access-flags | tr -d '\r')" "after a killed run and the next start the flags are the user's"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  witness_start
  held_until_answer
  not_held_with_no
  given_back_after_a_kill
  win_driver kill --exe key_witness.exe >/dev/null 2>&1
done
tsr_finish
