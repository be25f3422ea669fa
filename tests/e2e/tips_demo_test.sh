#!/usr/bin/env bash
# Balloon tips on the tips demo window: the document tip at the eye when the
# window opens and its removal by a click on the eye, the hover tips of the
# accept button and of a history button, "BalloonTip" off, and tip texts of
# 10,000 characters.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"
source "$(dirname "$0")/tips_lib.sh"

# hover ID: the pointer moves onto the control's centre (twice: the first move
# may only bring the window under it).
hover() {
  local point
  point=$(demo_centre "$1")
  # shellcheck disable=SC2086
  tsr_driver move-mouse $point sleep 100 move-mouse $(awk '{ print $1 + 1, $2 + 1 }' <<<"$point") >/dev/null
  sleep 0.5
}

# Somewhere away from every control.
hover_away() { tsr_driver move-mouse 5 5 sleep 100 move-mouse 6 6 >/dev/null; sleep 0.3; }

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  demo_folder Tips || continue

  hover_away
  demo_open "tips ($flavour)" "Document Tip=Read the declaration<br>then tick the box<br>below" \
    "Button1 Disable Tip=Tick the box first" || continue
  assert_eq 1 "$(demo_tips | wc -l)" "the document tip is up when the window opens ($flavour)"
  tsr_screenshot "tips-document-tip-$flavour" >/dev/null

  tsr_driver click --exe "$DEMO" --id "$ID_EYE" >/dev/null
  sleep 0.3
  assert_eq 0 "$(demo_tips | wc -l)" "a click on the eye removes the document tip ($flavour)"
  assert_eq 0 "$(tsr_driver list --exe "$DEMO" | tr -d '\r' | awk -F'\t' -v id="$ID_EYE" '$3 == id { print $4 }')" \
    "the eye is hidden ($flavour)"

  hover "$ID_ACCEPT"
  assert_eq 1 "$(demo_tips | wc -l)" "hover tip over the accept button ($flavour)"
  tsr_screenshot "tips-hover-accept-$flavour" >/dev/null
  hover_away
  assert_eq 0 "$(demo_tips | wc -l)" "the hover tip goes when the pointer leaves ($flavour)"

  hover "$ID_BACK"
  assert_eq 1 "$(demo_tips | wc -l)" "hover tip over the disabled back button ($flavour)"
  tsr_screenshot "tips-hover-back-$flavour" >/dev/null
  hover_away
  tsr_driver close --exe "$DEMO" >/dev/null
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "demo closed ($flavour)"

  demo_open "tips off ($flavour)" "BalloonTip=No" "Document Tip=Never shown" || continue
  hover "$ID_DECLINE"
  assert_eq 0 "$(demo_tips | wc -l)" "no tip at all with BalloonTip=No ($flavour)"
  tsr_driver click --exe "$DEMO" --id "$ID_EYE" >/dev/null
  sleep 0.3
  assert_eq 0 "$(tsr_driver list --exe "$DEMO" | tr -d '\r' | awk -F'\t' -v id="$ID_EYE" '$3 == id { print $4 }')" \
    "the eye still hides on a click with tips off ($flavour)"
  hover_away
  tsr_driver close --exe "$DEMO" >/dev/null
  tsr_wait_exit 10

  long=$(head -c 10000 /dev/zero | tr '\0' 'x')
  demo_open "10,000-character tips ($flavour)" "Document Tip=$long" "Button2 Tip=$long<br>$long" || continue
  assert_eq 1 "$(demo_tips | wc -l)" "a 10,000-character document tip shows ($flavour)"
  hover "$ID_DECLINE"
  tsr_screenshot "tips-long-$flavour" >/dev/null
  assert_match "index.html$" "$(demo_location)" "the window answers with long tips up ($flavour)"
  hover_away
  tsr_driver close --exe "$DEMO" >/dev/null
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "demo with long tips closed ($flavour)"
done
tsr_finish
