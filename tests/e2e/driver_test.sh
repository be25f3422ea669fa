#!/usr/bin/env bash
# Proves the UI driver end to end on the demo window, in each flavour: find
# the window, list it, type, click buttons and the picture, press keys, read
# back, screenshot, and the exit codes of three ways to close it.
source "$(dirname "$0")/lib.sh"

DEMO=demo_window.exe

# Starts the demo; false (after a failed check) when its window never comes.
start_demo() {
  tsr_start "$TSR_APP_DIR" "$DEMO"
  local hwnd
  hwnd=$(tsr_driver wait-window --exe "$DEMO" --timeout 20000)
  assert_match '^0x[0-9A-F]+$' "$hwnd" "window handle from wait-window" || { tsr_stop; return 1; }
}

# Field N (1-based, tab-separated) of the list line of the control with id ID.
list_field() {
  awk -F'\t' -v id="$1" -v n="$2" '$3 == id && NR > 1 { print $n; exit }' <<<"$LISTING"
}

check_listing() {
  LISTING=$(tsr_driver list --exe "$DEMO")
  local top
  top=$(head -n 1 <<<"$LISTING")
  assert_match $'^0x[0-9A-F]+\tTsrDriverDemo\t0\t1\t1\t' "$top" "top-level line"
  assert_match 'WS_CAPTION' "$top" "top-level style flags"
  assert_match '"Driver Demo"$' "$top" "top-level title"
  assert_eq 8 "$(wc -l <<<"$LISTING")" "lines of the listing (window and 7 controls)"
  assert_eq '"&Show"' "$(list_field 102 8)" "button text in the listing"
  assert_eq 0 "$(list_field 105 5)" "Accept enabled before the box is ticked"
}

drive_controls() {
  assert_eq "Hello, driver" \
    "$(tsr_driver type --exe "$DEMO" --id 101 "Hello, driver" click --text Show get-text --id 103)" \
    "label after typing and clicking Show"

  tsr_driver click --exe "$DEMO" --text Accept --timeout 500 2>/dev/null
  assert_eq 1 $? "driver's answer to clicking the disabled Accept"

  assert_eq "Picture clicks: 1" "$(tsr_driver click --exe "$DEMO" --id 106 get-text --id 107)" \
    "picture after one real mouse click"

  assert_eq "F2 pressed" "$(tsr_driver key --exe "$DEMO" F2 get-text --id 103)" "label after F2"

  assert_eq "Keys typed 42!" \
    "$(tsr_driver type --exe "$DEMO" --id 101 --clear --input "Keys typed 42!" click --text Show get-text --id 103)" \
    "label after real key input"

  # Right click opens the picture's pop-up menu; its window must not be taken
  # for the program's window. Menus of another process are walked by position.
  assert_eq "Picture clicks: 1" "$(tsr_driver click --exe "$DEMO" --id 106 --right get-text --id 107)" \
    "picture clicks, read while its menu is open"
  assert_eq "Menu: Large" "$(tsr_driver menu --exe "$DEMO" "#3>#2" get-text --id 103)" \
    "label after the menu choice Size>Large"
  assert_eq "Menu: Red" "$(tsr_driver click --exe "$DEMO" --id 106 --right menu "#1" get-text --id 103)" \
    "label after the menu choice Red"
  tsr_driver menu --exe "$DEMO" "#1" --timeout 300 2>/dev/null
  assert_eq 1 $? "driver's answer to a menu choice with no menu open"

  assert_eq 1 "$(tsr_driver click --exe "$DEMO" --text "I have read it" get-check --id 104)" "check box state"
  LISTING=$(tsr_driver list --exe "$DEMO")
  assert_eq 1 "$(list_field 105 5)" "Accept enabled after the box is ticked"
  assert_match checked "$(list_field 104 7)" "check box flags in the listing"
}

check_usage_answers() {
  tsr_driver no-such-command >/dev/null 2>&1
  assert_eq 2 $? "driver's answer to an unknown command"
  tsr_driver click --exe "$DEMO" --id 101 --text Show >/dev/null 2>&1
  assert_eq 2 $? "driver's answer to --id with --text"
  tsr_driver wait-window --title "No Such Window" --timeout 300 >/dev/null 2>&1
  assert_eq 1 $? "driver's answer to a window that never comes"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder Driver "$(tsr_build_dir)/tests/driver/$DEMO" >/dev/null || continue

  # 1: drive every kind of control, then accept.
  start_demo || continue
  check_listing
  drive_controls
  tsr_screenshot "driver-demo-$flavour" >/dev/null
  tsr_driver click --exe "$DEMO" --text Accept
  tsr_wait_exit 10
  assert_eq 3 "$TSR_EXIT_CODE" "exit code after Accept"

  # 2: closed by the window's close message with the box unticked.
  start_demo || continue
  tsr_driver close --exe "$DEMO"
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "exit code after close"

  # 3: Escape pressed, the driver waiting for the exit meanwhile.
  start_demo || continue
  check_usage_answers
  waitlog="$TSR_LOG_DIR/wait-exit-$flavour.txt"
  tsr_driver wait-exit --exe "$DEMO" --timeout 15000 >"$waitlog" 2>&1 &
  waiter=$!
  sleep 0.5
  tsr_driver key --exe "$DEMO" ESCAPE
  tsr_wait_exit 10
  assert_eq 2 "$TSR_EXIT_CODE" "exit code after Escape"
  wait "$waiter"
  assert_eq 0 $? "driver's wait-exit result"
  assert_eq 2 "$(tr -d '\r' <"$waitlog")" "exit code seen by the driver's wait-exit"
done

tsr_finish
