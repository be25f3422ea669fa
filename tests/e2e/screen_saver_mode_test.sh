#!/usr/bin/env bash
# The declaration program started as the screen saver ("/s"): the window
# stays until the mouse moves (at least 11 twips, one pixel at 96 DPI) and
# then closes recording nothing; a cursor resting at the screen's left edge
# is not trusted until it leaves it; "/S" is a normal start that ignores the
# mouse; outside screen-saver mode a document margin of -1 ends on movement too.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

POLICY='HKCU\Software\Microsoft\Windows\CurrentVersion\Policies\System'

mouse() { win_driver move-mouse "$1" "$2" >/dev/null; }
running() { kill -0 "$TSR_PID" 2>/dev/null && echo yes || echo no; }

# ends_after_move WHAT: the window must close within 5 s of the last move.
ends_after_move() {
  if tsr_wait_exit 5; then
    assert_eq 0 "$TSR_EXIT_CODE" "$1: exit code"
  else
    tsr_fail "$1: the window stayed after the mouse moved"
    win_stop
  fi
}

saver_mode() {
  tsr_app_folder Saver >/dev/null
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=7" "Single User Logon=no"
  tsr_write_file "$TSR_APP_DIR/ScreenSaver.ini" "Declaration Period Days=0"
  mkdir -p "$TSR_APP_DIR/Profiles"

  mouse 400 300
  win_open "screen saver" /s || return
  sleep 0.5                       # the first tick stores the position
  assert_eq yes "$(running)" "the screen saver stays while the mouse rests"
  tsr_screenshot "screen-saver-$TSR_FLAVOUR" >/dev/null
  mouse 401 300
  ends_after_move "one pixel of movement"
  assert_eq "" "$(ls "$TSR_APP_DIR" | grep _Declaration)" "no record written"
  assert_eq "" "$(ls "$TSR_APP_DIR/Profiles")" "no profile written"
  assert_eq 1 "$(wine reg query "$POLICY" /v DisableTaskMgr >/dev/null 2>&1 || echo 1)" "policy removed"

  # At the left edge the stored x is 0: movement along the edge is ignored.
  mouse 0 300
  win_open "screen saver at the edge" /s || return
  sleep 0.5
  mouse 0 500
  sleep 0.5
  assert_eq yes "$(running)" "movement along the left edge is not trusted"
  mouse 200 500                   # leaves the edge: stored now
  sleep 0.5
  mouse 260 520
  ends_after_move "movement after leaving the edge"
}

other_starts() {
  tsr_app_folder Saver >/dev/null
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0"
  mouse 400 300
  win_open "/S in capitals" /S || return
  sleep 0.5
  mouse 500 400
  sleep 0.8
  assert_eq yes "$(running)" "a normal start ignores the mouse"
  win_stop

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Doc Width Margin=-1"
  mouse 400 300
  win_open "full-width document" || return
  sleep 0.5
  mouse 420 300
  ends_after_move "full-width document ends on movement"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  TSR_LANG=en_US.UTF-8
  saver_mode
  other_starts
done
tsr_finish
