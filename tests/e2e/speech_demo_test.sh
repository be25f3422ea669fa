#!/usr/bin/env bash
# The speaker on the tips demo window. Wine's speech engine has no voices: the
# speaker stays hidden and nothing breaks. With the demo's stand-in engine
# (two voices and "Sample TTS Voice", 300 ms a text): the reading at start
# sentence by sentence, the voice list written to the profile store, the
# speaker menu's volume and voice choices, and an answer during a reading.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/tips_lib.sh"

speaker_visible() {
  tsr_driver list --exe "$DEMO" | tr -d '\r' | awk -F'\t' -v id="$ID_SPEAKER" '$3 == id { print $4 }'
}

# accept: ticks the box and accepts; the demo saves Demo.ini.user and ends with 3.
accept() {
  tsr_driver click --exe "$DEMO" --id "$ID_CHK" click --id "$ID_ACCEPT" >/dev/null
  tsr_wait_exit 10
  assert_eq 3 "$TSR_EXIT_CODE" "$1"
}

# wait_spoken TEXT: waits up to 5 s for TEXT in the spoken log.
wait_spoken() {
  local tries
  for tries in $(seq 1 50); do
    grep -qF -- "$1" "$TSR_APP_DIR/Demo.ini.spoken" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  demo_folder Speech || continue
  printf '<html><body><p>First sentence. Second sentence. Third sentence</p></body></html>\r\n' \
    >"$TSR_APP_DIR/index.html"

  # Wine's own engine: no voices.
  demo_open "no voices ($flavour)" "BalloonTip=no" "Speaker=yes" "Speaker Volume=5" "Speak At Start=yes" || continue
  assert_eq 0 "$(speaker_visible)" "no voices: the speaker is hidden ($flavour)"
  assert_match "index.html$" "$(demo_location)" "no voices: the window answers ($flavour)"
  accept "no voices: the answer completes ($flavour)"
  assert_file_not_contains "$TSR_APP_DIR/Demo.ini.user" "Speaker Voice" "no voices: no voice list is stored ($flavour)"

  # The stand-in engine.
  rm -f "$TSR_APP_DIR/Demo.ini.spoken" "$TSR_APP_DIR/Demo.ini.user"
  tsr_write_file "$TSR_APP_DIR/Demo.ini" "BalloonTip=no" "Speaker Volume=5,0,5,10" "Speak Rate=0,-2,0,2"
  tsr_start "$TSR_APP_DIR" "$DEMO" "$TSR_APP_WINDIR\\Demo.ini" "$TSR_APP_WINDIR\\index.html" fake-voices
  tsr_driver wait-window --exe "$DEMO" --timeout 20000 >/dev/null || { tsr_fail "fake voices: no window"; continue; }
  assert_eq 1 "$(speaker_visible)" "voices: the speaker shows ($flavour)"
  wait_spoken " Third sentence" || true
  spoken=$(grep -v '^\[' "$TSR_APP_DIR/Demo.ini.spoken" | tr -d '\r' | paste -sd'|')
  assert_eq "First sentence.| Second sentence.| Third sentence" "$spoken" \
    "reading at start, sentence by sentence ($flavour)"
  assert_file_contains "$TSR_APP_DIR/Demo.ini.spoken" "[voice 0]" "the first voice is chosen ($flavour)"

  tsr_driver click --exe "$DEMO" --id "$ID_SPEAKER" --right >/dev/null
  sleep 0.5
  tsr_screenshot "speech-menu-$flavour" >/dev/null
  tsr_driver menu --exe "$DEMO" "#3>#3" >/dev/null
  wait_spoken "[volume 100]" || true
  assert_file_contains "$TSR_APP_DIR/Demo.ini.spoken" "[volume 100]" "volume 10 from the menu ($flavour)"
  tsr_driver click --exe "$DEMO" --id "$ID_SPEAKER" --right menu "#2>#3" >/dev/null
  wait_spoken "[voice 2]" || true
  assert_file_contains "$TSR_APP_DIR/Demo.ini.spoken" "[voice 2]" "Test Voice B from the menu ($flavour)"

  # A reading is going on when the answer comes: it is cut off and the answer completes.
  tsr_driver click --exe "$DEMO" --id "$ID_SPEAKER" >/dev/null
  accept "answer during a reading ($flavour)"
  assert_file_contains "$TSR_APP_DIR/Demo.ini.spoken" "[purge] Accept" "the answer is spoken over the reading ($flavour)"
  assert_file_contains "$TSR_APP_DIR/Demo.ini.user" "Speaker Volume=10" "volume stored in the profile ($flavour)"
  assert_file_contains "$TSR_APP_DIR/Demo.ini.user" "Speaker Voice=Test Voice B,Test Voice A,Sample TTS Voice,Test Voice B," \
    "voice and the list of voices stored in the profile ($flavour)"

  # Bad input: a 1 MB document without a full stop, a rate menu of 500 choices
  # with empty ones among them.
  rm -f "$TSR_APP_DIR/Demo.ini.spoken" "$TSR_APP_DIR/Demo.ini.user"
  { printf '<html><body><p>'; head -c 1048576 /dev/zero | tr '\0' 'a'; printf '</p></body></html>'; } \
    >"$TSR_APP_DIR/index.html"
  rates="250"
  for n in $(seq 1 500); do rates="$rates,$n"; done
  tsr_write_file "$TSR_APP_DIR/Demo.ini" "BalloonTip=no" "Speaker Volume=5" "Speak Rate=$rates,,,"
  tsr_start "$TSR_APP_DIR" "$DEMO" "$TSR_APP_WINDIR\\Demo.ini" "$TSR_APP_WINDIR\\index.html" fake-voices
  tsr_driver wait-window --exe "$DEMO" --timeout 20000 >/dev/null || { tsr_fail "bad input: no window"; continue; }
  for tries in $(seq 1 50); do
    read_chars=$(grep -v '^\[' "$TSR_APP_DIR/Demo.ini.spoken" 2>/dev/null | tr -d '\r\n' | wc -c)
    [ "$read_chars" -ge 1048576 ] && break
    sleep 0.1
  done
  assert_eq 1048576 "$read_chars" \
    "a 1 MB sentence is read in one piece ($flavour)"
  assert_match "index.html$" "$(demo_location)" "the window answers while it is read ($flavour)"
  tsr_driver click --exe "$DEMO" --id "$ID_SPEAKER" --right >/dev/null
  sleep 0.5
  tsr_driver menu --exe "$DEMO" "#4" >/dev/null
  sleep 0.5
  tsr_screenshot "speech-500-rates-$flavour" >/dev/null
  tsr_driver key --exe "$DEMO" ESCAPE key ESCAPE >/dev/null
  sleep 0.3
  accept "the answer completes after the big menu ($flavour)"
done
tsr_finish
