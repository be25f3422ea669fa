#!/usr/bin/env bash
# The declaration window's speaker under Wine, whose speech engine has no
# voices: the speaker stays hidden whatever the settings say, nothing is
# stored as "No" (the engine itself exists), and the window answers and
# records as usual, also with a document of one 1 MB sentence.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder Speech >/dev/null || continue
  { printf '<html><body><p>'; head -c 1048576 /dev/zero | tr '\0' 'a'; printf '</p></body></html>'; } \
    >"$TSR_APP_DIR/index.html"
  mkdir -p "$TSR_APP_DIR/Documents" "$TSR_APP_DIR/Profiles"
  mv "$TSR_APP_DIR/index.html" "$TSR_APP_DIR/Documents/index.html"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Logon Start=0" "Speaker=yes" \
    "Speaker Volume=5,0,5,10" "Speak At Start=yes"
  win_open "speech" -U anna || continue
  sleep 0.5
  assert_eq 0 "$(win_visible "$ID_SPEAKER")" "no voices: the speaker is hidden ($flavour)"
  assert_match '^a{100}' "$(win_document)" "the 1 MB sentence is shown ($flavour)"
  tsr_screenshot "speech-window-no-voices-$flavour" >/dev/null
  win_driver click --exe Tessarin.exe --id "$ID_ACCEPT" >/dev/null
  if ! tsr_wait_exit 15; then
    tsr_fail "the window did not close after accepting ($flavour)"
    win_stop
    continue
  fi
  assert_eq 0 "$TSR_EXIT_CODE" "the answer completes ($flavour)"
  assert_file_exists "$TSR_APP_DIR/Profiles/anna.ini" "profile saved ($flavour)"
  assert_file_not_contains "$TSR_APP_DIR/Profiles/anna.ini" "Speaker=No" "the engine exists: speaker not stored as No ($flavour)"
  assert_file_not_contains "$TSR_APP_DIR/Profiles/anna.ini" "Speaker Voice" "no voice list without voices ($flavour)"
done
tsr_finish
