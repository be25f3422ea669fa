#!/usr/bin/env bash
# The declaration window's document history under Wine: a link followed in
# the reader view is recorded and dismisses the document tip, the back and
# forward buttons step through the list, and steps add no entries. The view's
# location is read from its hidden location child.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/tips_lib.sh"

EXE=Tessarin.exe
click() { win_driver click --exe "$EXE" --id "$1" >/dev/null; }
expect() { demo_expect_location "$1 ($TSR_FLAVOUR)" "$2" "$EXE"; }

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder History >/dev/null || continue
  linked_pages "$TSR_APP_DIR/Documents"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Document Tip=Read it, then tick the box"
  # The pointer rests over the document, so no hover tip of a button shows.
  win_driver move-mouse 640 300 >/dev/null
  win_open "history" || continue
  sleep 0.5

  expect "the declaration document first" index.html
  demo_tips "$EXE" >"$TSR_LOG_DIR/tips-$flavour.txt"
  assert_eq 1 "$(grep -c '"Read it, then tick the box"' "$TSR_LOG_DIR/tips-$flavour.txt")" \
    "the document tip is up ($flavour)"
  click "$ID_BACK"
  click "$ID_NEXT"
  expect "disabled history buttons do nothing" index.html

  click "$ID_DOC"
  expect "the link was followed" a.html
  sleep 0.3
  assert_eq 0 "$(demo_tips "$EXE" | grep -c '"Read it, then tick the box"')" "following a link dismissed the document tip ($flavour)"
  WIN_LIST=$(win_driver list --exe "$EXE" | tr -d '\r')
  assert_eq 0 "$(win_visible "$ID_EYE")" "and hid the eye ($flavour)"
  tsr_screenshot "history-window-link-$flavour" >/dev/null

  click "$ID_BACK"
  expect "back opens the declaration document" index.html
  click "$ID_BACK"
  expect "back at the first entry is disabled" index.html
  click "$ID_NEXT"
  expect "forward opens the followed page again" a.html
  click "$ID_DOC"
  expect "a second link" b.html
  click "$ID_BACK"
  click "$ID_BACK"
  expect "two steps back" index.html
  tsr_screenshot "history-window-back-$flavour" >/dev/null
  click "$ID_NEXT"
  click "$ID_NEXT"
  click "$ID_NEXT"
  expect "steps added no entry: forward ends at the last page" b.html
  win_stop
done
tsr_finish
