#!/usr/bin/env bash
# The declaration window's balloon tips under Wine: the document tip at the
# eye, its removal by a click on the eye, the accept button's hover tip while
# the box is clear, and "BalloonTip" off.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/tips_lib.sh"

EXE=Tessarin.exe
tips() { demo_tips "$EXE" | wc -l; }
hover() {
  local point
  point=$(demo_centre "$1" "$EXE")
  # shellcheck disable=SC2086
  win_driver move-mouse $point sleep 100 move-mouse $(awk '{ print $1 + 1, $2 + 1 }' <<<"$point") >/dev/null
  sleep 0.5
}
away() { win_driver move-mouse 640 20 sleep 100 move-mouse 641 21 >/dev/null; sleep 0.3; }

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder Tips >/dev/null || continue
  tsr_write_file "$TSR_APP_DIR/Documents/index.html" "<html><body><h1>Acme usage rules</h1><p>Be kind.</p></body></html>"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Declaration Caption=Acme declaration" \
    "Document Tip=Please read the declaration<br>then tick the box below" \
    "CheckBox Caption=I  have read this document" "Button1 Disable Tip=Tick the box first<br>then accept"
  away
  win_open "tips" || continue
  sleep 0.8
  # By its text: where the pointer rests when the window opens (another
  # flavour's server may have left it over a button) is not this test's.
  assert_eq 1 "$(demo_tips "$EXE" | grep -c 'Please read the declaration')" "the document tip is up ($flavour)"
  tsr_screenshot "tips-window-document-$flavour" >/dev/null

  win_driver click --exe "$EXE" --id "$ID_EYE" >/dev/null
  sleep 0.3
  assert_eq 0 "$(tips)" "a click on the eye removes the document tip ($flavour)"
  WIN_LIST=$(win_driver list --exe "$EXE" | tr -d '\r')
  assert_eq 0 "$(win_visible "$ID_EYE")" "and hides the eye ($flavour)"

  hover "$ID_ACCEPT"
  assert_eq 1 "$(tips)" "hover tip over the accept button ($flavour)"
  tsr_screenshot "tips-window-hover-accept-$flavour" >/dev/null
  away
  assert_eq 0 "$(tips)" "the hover tip goes with the pointer ($flavour)"
  win_stop

  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "BalloonTip=No" "Document Tip=Never"
  win_open "tips off" || continue
  sleep 0.8
  hover "$ID_DECLINE"
  assert_eq 0 "$(tips)" "no tip at all with BalloonTip=No ($flavour)"
  away
  win_stop
done
tsr_finish
