#!/usr/bin/env bash
# The declaration window's child controls, their texts, visibility and
# rectangles: with no settings at all, with the sample folder's settings and
# with every switch off.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

settings() { tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "$@"; }

no_settings() {
  tsr_app_folder "Plain" >/dev/null
  win_open "no settings" || return
  tsr_screenshot "window-no-settings-$TSR_FLAVOUR" >/dev/null
  local id
  for id in $ID_BACKGROUND $ID_DOC $ID_EYE $ID_CHK $ID_CHK_CAPTION $ID_ACCEPT $ID_DECLINE \
            $ID_ACCEPT_CAPTION $ID_DECLINE_CAPTION $ID_BACK $ID_NEXT $ID_SPEAKER $ID_MSG $ID_LOGO; do
    assert_ne "" "$(win_row "$id")" "no settings: control $id exists"
  done
  assert_eq "Accept" "$(win_text $ID_ACCEPT)" "accept button carries its caption"
  assert_eq "Decline" "$(win_text $ID_DECLINE)" "decline button carries its caption"
  assert_eq "Previous" "$(win_text $ID_BACK)" "back button name"
  assert_eq "Next" "$(win_text $ID_NEXT)" "forward button name"
  assert_eq "Accept" "$(win_text $ID_ACCEPT_CAPTION)" "accept caption label"
  # Captions hidden (size 0), no check box, everything else shown.
  assert_eq "0 0" "$(win_visible $ID_ACCEPT_CAPTION) $(win_visible $ID_DECLINE_CAPTION)" "captions hidden"
  assert_eq "0 0" "$(win_visible $ID_CHK) $(win_visible $ID_CHK_CAPTION)" "no check box"
  assert_eq "1" "$(win_field $ID_CHK 7 | grep -c checked)" "the hidden box is ticked"
  # Wine's speech engine has no voices, so the speaker stays hidden.
  assert_eq "1 1 1 1 1 0" "$(win_visible $ID_EYE) $(win_visible $ID_ACCEPT) $(win_visible $ID_DECLINE) $(win_visible $ID_BACK) $(win_visible $ID_NEXT) $(win_visible $ID_SPEAKER)" \
    "eye, buttons and history buttons shown, speaker hidden without voices"
  assert_match "WS_CAPTION" "$(win_flags)" "title bar kept"
  assert_match "topmost" "$(win_flags)" "window on top"
  # Document 200 twips (13 pixels at 96 DPI) from the left, right and top.
  local width doc
  width=$(win_screen_size | cut -d, -f3)
  read -r -a doc <<<"$(win_rect $ID_DOC)"
  assert_eq "13 13" "${doc[0]} ${doc[1]}" "document 200 twips from the left and top"
  assert_eq "$(( (width * 15 - 400) / 15 ))" "$(( doc[2] - doc[0] ))" "document width = window width - 400 twips"
  # Accept left of decline, both on one row under the document.
  local accept decline
  read -r -a accept <<<"$(win_rect $ID_ACCEPT)"
  read -r -a decline <<<"$(win_rect $ID_DECLINE)"
  assert_eq "${accept[1]}" "${decline[1]}" "buttons on one row"
  assert_eq "$(( doc[3] + 7 ))" "${accept[1]}" "buttons 100 twips under the document"
  assert_eq 1 "$(( accept[2] < decline[0] ))" "accept left of decline"
  # Red background (the overlay only shades it).
  local rgb
  read -r -a rgb <<<"$(win_pixel 8 400)"
  assert_eq 1 "$(( rgb[0] > 150 && rgb[1] < 60 && rgb[2] < 60 ))" "red background (${rgb[*]})"
  win_stop
}

sample_settings() {
  tsr_app_folder "Sample" >/dev/null
  cp -r "$TSR_ROOT/sample/." "$TSR_APP_DIR/"
  # Due at every start for this check; everything else as shipped.
  sed -i 's/^Declaration Period Days=[^,\r]*/Declaration Period Days=0/' "$TSR_APP_DIR/Tessarin.ini"
  win_open "sample" -U anna || return
  tsr_screenshot "window-sample-$TSR_FLAVOUR" >/dev/null
  assert_eq "I, anna, have read and understood this declaration" "$(win_text $ID_CHK_CAPTION)" \
    "check-box caption with the user name"
  assert_eq "1 1" "$(win_visible $ID_CHK) $(win_visible $ID_CHK_CAPTION)" "check box shown"
  assert_eq "0" "$(win_field $ID_CHK 7 | grep -c checked)" "box starts clear"
  assert_eq "I Accept" "$(win_text $ID_ACCEPT)" "accept caption from the settings"
  assert_eq "I Decline" "$(win_text $ID_DECLINE_CAPTION)" "decline caption label"
  assert_eq "1 1" "$(win_visible $ID_ACCEPT_CAPTION) $(win_visible $ID_DECLINE_CAPTION)" "captions shown"
  assert_match "^Please read the whole declaration" "$(win_text $ID_MSG)" "message"
  assert_match "^Computer Usage Declaration" "$(win_document)" "the standard document is shown"
  local chk caption accept eye
  read -r -a chk <<<"$(win_rect $ID_CHK)"
  read -r -a caption <<<"$(win_rect $ID_CHK_CAPTION)"
  read -r -a accept <<<"$(win_rect $ID_ACCEPT)"
  read -r -a eye <<<"$(win_rect $ID_EYE)"
  assert_eq 1 "$(( chk[2] < caption[0] && caption[2] < accept[0] && eye[2] < chk[0] ))" \
    "eye, check box, caption and accept from left to right"
  assert_eq "$(( accept[1] + 13 ))" "${caption[1]}" "check-box caption 200 twips under the button top"
  win_stop
}

switches_off() {
  tsr_app_folder "Off" >/dev/null
  settings "Speaker=No" "Eyes Image=no" "History Buttons=NO" "Button1=No" "Button2=No" \
    "TitleBar=No" "Button Caption Size=0" "CheckBox Caption=Read it" "Border Background Colour= Blue " \
    "Doc Width Margin=-1" "Doc Height Margin=300"
  cp -r "$TSR_ROOT/sample/Documents" "$TSR_APP_DIR/"
  win_open "switches off" || return
  tsr_screenshot "window-no-title-bar-full-width-$TSR_FLAVOUR" >/dev/null
  assert_eq "0 0 0 0 0 0" "$(win_visible $ID_EYE) $(win_visible $ID_ACCEPT) $(win_visible $ID_DECLINE) $(win_visible $ID_BACK) $(win_visible $ID_NEXT) $(win_visible $ID_SPEAKER)" \
    "eye, buttons, history buttons and speaker hidden"
  assert_eq "" "$(win_flags | grep -o 'WS_CAPTION\|WS_SYSMENU\|WS_MINIMIZEBOX\|WS_MAXIMIZEBOX')" "title bar removed"
  local width height doc
  width=$(win_screen_size | cut -d, -f3)
  height=$(win_screen_size | cut -d, -f4)
  read -r -a doc <<<"$(win_rect $ID_DOC)"
  assert_eq "0 20 $width" "${doc[0]} ${doc[1]} ${doc[2]}" "full-width document 300 twips from the top"
  assert_eq "$(( (height * 15 - 600) / 15 ))" "$(( doc[3] - doc[1] ))" "document height = screen - 600 twips"
  local rgb
  read -r -a rgb <<<"$(win_pixel 4 "$(( height - 4 ))")"
  assert_eq 1 "$(( rgb[2] > 150 && rgb[0] < 60 && rgb[1] < 60 ))" "blue background (${rgb[*]})"
  win_stop

  settings "Border Background Colour=random" "CheckBox Caption=I, User Name, have read it"
  win_open "random background" -U anna || return
  tsr_screenshot "window-random-background-$TSR_FLAVOUR" >/dev/null
  assert_eq "I, anna, have read it" "$(win_text $ID_CHK_CAPTION)" "user name substituted"
  win_stop
}

# long_caption CAPTION NAME: the check box and its caption on the screen, left
# of the accept button, whatever the caption's length.
long_caption() {
  local caption=$1 name=$2
  tsr_app_folder "Long $name" >/dev/null
  settings "CheckBox Caption=$caption"
  win_open "$name caption" -U anna || return
  tsr_screenshot "window-$name-caption-$TSR_FLAVOUR" >/dev/null
  local height chk label accept doc
  height=$(win_screen_size | cut -d, -f4)
  read -r -a chk <<<"$(win_rect $ID_CHK)"
  read -r -a label <<<"$(win_rect $ID_CHK_CAPTION)"
  read -r -a accept <<<"$(win_rect $ID_ACCEPT)"
  read -r -a doc <<<"$(win_rect $ID_DOC)"
  assert_eq 1 "$(( doc[3] <= chk[1] && doc[3] <= label[1] ))" "$name: the document makes way (${doc[*]})"
  assert_eq 1 "$(( chk[0] >= 0 && chk[1] >= 0 && chk[3] <= height && chk[2] < label[0] ))" \
    "$name: check box on the screen, left of its caption (${chk[*]})"
  assert_eq 1 "$(( label[0] >= 0 && label[1] >= 0 && label[3] <= height && label[2] < accept[0] ))" \
    "$name: caption on the screen, left of accept (${label[*]} / ${accept[*]})"
  assert_eq 1 "$(( label[3] - label[1] > 20 ))" "$name: caption wrapped onto lines (${label[*]})"
  WIN_CAPTION=$(win_text $ID_CHK_CAPTION)
  win_stop
}

long_captions() {
  local policy="I confirm that I, User Name, have read, understood and agree to comply with the Computer Usage Policy"
  long_caption "$policy" "policy"
  assert_eq "${policy/User Name/anna}" "$WIN_CAPTION" "policy: the whole sentence shown"
  local huge
  huge=$(printf 'word%.0s ' $(seq 2000))
  long_caption "${huge% }" "huge"
  assert_match '\.\.\.$' "$WIN_CAPTION" "huge: the shown caption ends in ..."
  assert_eq 1 "$(( ${#WIN_CAPTION} < 9999 ))" "huge: cut short (${#WIN_CAPTION} characters)"
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  no_settings
  sample_settings
  switches_off
  long_captions
done
tsr_finish
