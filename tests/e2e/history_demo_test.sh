#!/usr/bin/env bash
# The document history on the reader view: a followed link is recorded, the
# back and forward buttons step through the list without adding to it, and
# buttons without a target do nothing. The location is read from the view.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/tips_lib.sh"

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  demo_folder History || continue
  demo_open "history ($flavour)" "BalloonTip=no" || continue

  demo_expect_location "the declaration document first ($flavour)" index.html
  tsr_driver click --exe "$DEMO" --id "$ID_BACK" >/dev/null
  tsr_driver click --exe "$DEMO" --id "$ID_NEXT" >/dev/null
  demo_expect_location "disabled buttons before any link do nothing ($flavour)" index.html

  tsr_driver click --exe "$DEMO" --id "$ID_DOC" >/dev/null
  demo_expect_location "the link was followed ($flavour)" a.html
  tsr_screenshot "history-after-link-$flavour" >/dev/null

  tsr_driver click --exe "$DEMO" --id "$ID_BACK" >/dev/null
  demo_expect_location "back opens the declaration document ($flavour)" index.html
  tsr_screenshot "history-after-back-$flavour" >/dev/null
  tsr_driver click --exe "$DEMO" --id "$ID_BACK" >/dev/null
  demo_expect_location "back again is disabled ($flavour)" index.html

  tsr_driver click --exe "$DEMO" --id "$ID_NEXT" >/dev/null
  demo_expect_location "forward opens the followed page again ($flavour)" a.html
  tsr_driver click --exe "$DEMO" --id "$ID_NEXT" >/dev/null
  demo_expect_location "forward at the end is disabled ($flavour)" a.html

  # A second link, then two steps back and two forward: the steps added nothing.
  tsr_driver click --exe "$DEMO" --id "$ID_DOC" >/dev/null
  demo_expect_location "second link ($flavour)" b.html
  tsr_driver click --exe "$DEMO" --id "$ID_BACK" click --id "$ID_BACK" >/dev/null
  demo_expect_location "two steps back ($flavour)" index.html
  tsr_driver click --exe "$DEMO" --id "$ID_NEXT" click --id "$ID_NEXT" >/dev/null
  demo_expect_location "two steps forward ($flavour)" b.html
  tsr_driver click --exe "$DEMO" --id "$ID_NEXT" >/dev/null
  demo_expect_location "no third entry after the steps ($flavour)" b.html
  tsr_screenshot "history-end-$flavour" >/dev/null

  tsr_driver close --exe "$DEMO" >/dev/null
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "demo closed ($flavour)"
done
tsr_finish
