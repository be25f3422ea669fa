#!/usr/bin/env bash
# The console window: its place on the first start, stored on close and
# restored, not stored when minimised, brought back from off the screen; the
# four tabs (Save button, path label, status text, page shown); every menu
# item and toolbar button that only tells its handler; Help and About; F1
# with and without a help file. Screenshots of each tab.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/console_lib.sh"

shot() { tsr_screenshot "$1-$TSR_FLAVOUR" >/dev/null; }

# rect_of LEFT TOP WIDTH HEIGHT (twips): the window rectangle in pixels.
rect_of() {
  local tpp
  tpp=$(twips_per_pixel)
  local l=$((($1 + tpp / 2) / tpp)) t=$((($2 + tpp / 2) / tpp))
  echo "$l,$t,$((l + ($3 + tpp / 2) / tpp)),$((t + ($4 + tpp / 2) / tpp))"
}

first_start() {
  assert_eq "$(rect_of 1000 1000 6500 6500)" "$(con_rect)" "first start: at 1000,1000 twips, 6500 by 6500"
  assert_match "menu" "$(con_flags)" "the window has its menu bar"
  assert_eq "Doc Viewer|Doc Dates|Settings|Log Files" "$(tab_captions)" "tab captions once the document is loaded"
  assert_eq "&Save 0" "$(con_text $ID_ACTION) $(con_enabled $ID_ACTION)" "Save button at start"
  assert_eq "&Close File:" "$(con_text $ID_CLOSE) $(con_text $ID_LABEL1)" "close button and Label1"
  assert_eq "0 1" "$(con_visible $ID_TOOLBAR) $(con_visible $ID_STATUS)" "toolbar hidden, status bar shown"
  assert_eq "View Tessarin Document" "$(con_text $ID_STATUS)" "status text at start"
  assert_eq "$ID_VIEWER" "$(con_page)" "the viewer shows the document"
  shot console-start
}

# Each tab: Save caption and state, path label, status text, the page shown.
tabs() {
  local dir=$TSR_APP_WINDIR
  local index caption enabled path status page
  while IFS='|' read -r index caption enabled path status page; do
    tab_click "$index"
    console_list
    assert_eq "$index" "$(tab_current)" "tab $index is current"
    assert_eq "$caption $enabled" "$(con_text $ID_ACTION) $(con_enabled $ID_ACTION)" "tab $index: action button"
    assert_eq "$path" "$(con_text $ID_PATH)" "tab $index: path label"
    assert_eq "$status" "$(con_text $ID_STATUS)" "tab $index: status text"
    assert_eq "$page" "$(con_page)" "tab $index: the page shown"
    shot "console-tab$index"
  done <<EOF
1|&Save|0|$dir\\documents\\document.ini|Edit Document Dates|$ID_DATES
2|&Save|0|$dir\\Tessarin.ini|Edit Tessarin Settings|$ID_SETTINGS
3|&Bundle|1|$dir|Tessarin Logs|$ID_LOGS
0|&Save|1|$dir\\documents\\index.html|Edit Tessarin Document|$ID_VIEWER
EOF
  # A press on the strip while "Settings" is current sets the first
  # caption back to "Doc Editor"; the press that makes it current does not.
  tab_click 2
  assert_eq "Doc Viewer" "$(tab_captions | cut -d'|' -f1)" "first caption after moving to Settings"
  tab_click 2
  assert_eq "Doc Editor" "$(tab_captions | cut -d'|' -f1)" "first caption after a press while on Settings"
  tab_click 0
}

# Menu items that only tell their handler: menu letter, item key, handler.
placeholder_items() {
  local letter key handler
  while read -r letter key handler; do
    assert_eq "Add '$handler' code." "$(menu_key "$letter" "$key"; box_answer TsrAdmin OK)" "$letter $key"
  done <<'EOF'
F N mnuFileNew_Click
F C mnuFileClose_Click
F S mnuFileSave_Click
F A mnuFileSaveAs_Click
F L mnuFileSaveAll_Click
F I mnuFileProperties_Click
F V mnuFilePrintPreview_Click
F P mnuFilePrint_Click
F D mnuFileSend_Click
E U mnuEditUndo_Click
E T mnuEditCut_Click
E C mnuEditCopy_Click
E P mnuEditPaste_Click
E S mnuEditPasteSpecial_Click
V R mnuViewRefresh_Click
V O mnuViewOptions_Click
T O mnuToolsOptions_Click
W N mnuWindowNewWindow_Click
W C mnuWindowCascade_Click
W H mnuWindowTileHorizontal_Click
W V mnuWindowTileVertical_Click
W A mnuWindowArrangeIcons_Click
EOF
}

# The toolbar (View > Toolbar): each button's message, Open its dialog.
toolbar() {
  menu_key V T
  console_list
  assert_eq 1 "$(con_visible $ID_TOOLBAR)" "View > Toolbar shows the toolbar"
  shot console-toolbar
  local items index at key expected
  items=$(adm items --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TOOLBAR" | tr -d '\r')
  assert_eq "New|Open|Save|Print|Cut|Copy|Paste|Bold|Italic|Underline|Align Left|Center|Align Right" \
    "$(cut -f4 <<<"$items" | tr -d '"' | paste -sd'|')" "toolbar buttons"
  local width
  width=$(con_row $ID_TOOLBAR | cut -f6 | awk -F, '{ print $3 - $1 }')
  while IFS=$'\t' read -r index at _ key; do
    key=${key//\"/}
    at=$(awk -F, '{ print int(($1 + $3) / 2) "," int(($2 + $4) / 2) }' <<<"$at")
    if [ "${at%,*}" -ge "$width" ]; then
      tsr_fail "toolbar button $key lies beyond the toolbar's width ($width)"
      continue
    fi
    adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TOOLBAR" --at "$at"
    case "$key" in
      Open)
        if adm wait-window --title Open --timeout 5000 >/dev/null 2>&1; then
          adm key --title Open ESCAPE
          tsr_pass "Open button: the open dialog"
        else
          tsr_fail "Open button: no open dialog"
        fi
        continue ;;
      Save | Print) expected="Add 'mnuFile${key}_Click' code." ;;
      Cut | Copy | Paste) expected="Add 'mnuEdit${key}_Click' code." ;;
      *) expected="Add '$key' button code." ;;
    esac
    assert_eq "$expected" "$(box_answer TsrAdmin OK)" "toolbar button $key"
  done <<<"$items"
  menu_key V T
  console_list
  assert_eq 0 "$(con_visible $ID_TOOLBAR)" "View > Toolbar again hides it"
  menu_key V B
  console_list
  assert_eq 0 "$(con_visible $ID_STATUS)" "View > Status Bar hides the status bar"
  menu_key V B
  console_list
  assert_eq 1 "$(con_visible $ID_STATUS)" "View > Status Bar shows it again"
}

help_and_about() {
  local no_help="Unable to display Help Contents. There is no Help associated with this project."
  assert_eq "$no_help" "$(menu_key H C; box_answer "$CAPTION" OK)" "Help > Contents"
  assert_eq "$no_help" "$(menu_key H S; box_answer "$CAPTION" OK)" "Help > Search For Help On"
  assert_eq "Version 4.2.0" "$(menu_key H A; box_answer TsrAdmin OK)" "Help > About"
  # A double-click on the window's background, just under the tab strip.
  local strip height
  strip=$(con_row $ID_TABS | cut -f6)
  height=$(awk -F, '{ print $4 - $2 }' <<<"$strip")
  adm click --exe "$CONSOLE" --title "$CAPTION" --id "$ID_TABS" --at "8,$((height + 3))" click --id "$ID_TABS" --at "8,$((height + 3))"
  assert_match '^TsrAdmin\.exe \(4\.2\.0\)' "$(box_answer About OK)" "the About box of a double-click"
  # File > Open and File > Page Setup open their dialogs.
  menu_key F O
  if adm wait-window --title Open --timeout 5000 >/dev/null 2>&1; then
    shot console-open-dialog
    adm key --title Open ESCAPE
    tsr_pass "File > Open shows the open dialog"
  else
    tsr_fail "File > Open: no dialog titled Open"
  fi
  # Page Setup: the print set-up dialog, or on a machine without a printer
  # the dialog's own message.
  menu_key F U
  if adm wait-window --class "#32770" --title "Page Setup" --timeout 3000 >/dev/null 2>&1; then
    adm key --title "Page Setup" ESCAPE
    tsr_pass "File > Page Setup shows the print set-up dialog"
  else
    assert_eq "No default printer defined." "$(box_answer Error OK)" "File > Page Setup without a printer"
  fi
}

# F1: nothing without Tessarin.chm in the current folder; the HTML Help
# viewer with one. The console runs with the loader's trace so the log
# tells when the viewer's library came in.
help_key() {
  local log=$1
  adm key --exe "$CONSOLE" --title "$CAPTION" F1
  sleep 1
  assert_eq "" "$(adm windows | tr -d '\r' | grep "$CONSOLE" | grep -v "\"$CAPTION\"")" "F1 without a help file: no window"
  assert_eq 0 "$(grep -ci 'hhctrl' "$log")" "F1 without a help file: the viewer is not loaded"
  # A file that is not a compiled help file: the viewer is loaded, shows
  # no window (it cannot read the file) and the console carries on.
  printf 'not a help file\r\n' >"$TSR_APP_DIR/Tessarin.chm"
  adm key --exe "$CONSOLE" --title "$CAPTION" F1
  sleep 1
  assert_ne 0 "$(grep -ci 'hhctrl' "$log")" "F1 with Tessarin.chm loads the viewer"
  assert_eq "" "$(adm windows | tr -d '\r' | grep "$CONSOLE" | grep -v "\"$CAPTION\"")" "F1 with a broken help file: no window"
  # A real compiled help file opens in the viewer's window.
  if ! command -v chmcmd >/dev/null; then
    tsr_fail "chmcmd (fp-utils) is missing: the help viewer is not checked"
    return
  fi
  local src=$TSR_LOG_DIR/help
  mkdir -p "$src"
  printf '[OPTIONS]\r\nCompiled file=Tessarin.chm\r\nDefault topic=index.htm\r\nTitle=Tessarin Admin Help\r\n\r\n[FILES]\r\nindex.htm\r\n' \
    >"$src/help.hhp"
  printf '<html><head><title>Console help</title></head><body><h1>Console help</h1></body></html>\r\n' >"$src/index.htm"
  (cd "$src" && chmcmd --no-html-scan help.hhp >/dev/null 2>&1)
  cp "$src/Tessarin.chm" "$TSR_APP_DIR/Tessarin.chm"
  adm key --exe "$CONSOLE" --title "$CAPTION" F1
  if adm wait-window --exe "$CONSOLE" --title "Tessarin Admin Help" --timeout 10000 >/dev/null 2>&1; then
    tsr_pass "F1 opens Tessarin.chm in the help viewer"
    shot console-help-viewer
    adm close --title "Tessarin Admin Help"
  else
    tsr_fail "F1 with a compiled Tessarin.chm: no help viewer window"
  fi
  rm -f "$TSR_APP_DIR/Tessarin.chm"
}

# Closing stores the place as decimal twips; the next start restores it;
# a minimised window's place is not stored.
positions() {
  local tpp
  tpp=$(twips_per_pixel)
  local px=$(((1000 + tpp / 2) / tpp)) size=$(((6500 + tpp / 2) / tpp))
  assert_eq "$((px * tpp)) $((px * tpp)) $((size * tpp)) $((size * tpp))" "$(position_stored)" \
    "the place stored on close, in twips"

  position_set 3000 1500 9000 7500
  console_open "stored place" || return
  assert_eq "$(rect_of 3000 1500 9000 7500)" "$(con_rect)" "the stored place restored"
  console_close "stored place"
  assert_eq "3000 1500 9000 7500" "$(position_stored)" "the same place stored again"

  position_set 3000 1500 9000 7500
  console_open "minimised" --min || return
  assert_match minimized "$(con_flags)" "started minimised"
  console_close "minimised"
  assert_eq "3000 1500 9000 7500" "$(position_stored)" "a minimised window's place is not stored"
}

# Stored places the window cannot use: it comes up whole on the screen, at
# the first start's place when its caption would be out of reach.
# left top width height | "home" (the first start's corner) or "-" (anywhere)
bad_positions() {
  local left top width height where rect l t r b sw sh tpp home
  tpp=$(twips_per_pixel)
  home=$(rect_of 1000 1000 6500 6500 | cut -d, -f1,2)
  read -r sw sh < <(xdpyinfo | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }')
  while read -r left top width height where; do
    position_set "$left" "$top" "$width" "$height"
    console_open "stored place $left $top $width $height" || continue
    rect=$(con_rect)
    IFS=, read -r l t r b <<<"$rect"
    # The smallest window is 420 by 320 pixels at 96 DPI.
    assert_eq 1 "$((l >= 0 && t >= 0 && r <= sw && b <= sh && (r - l) * tpp >= 6300 && (b - t) * tpp >= 4800))" \
      "stored $left $top $width $height: whole on the ${sw}x${sh} screen ($rect)"
    [ "$where" = home ] && assert_eq "$home" "$l,$t" "stored $left $top $width $height: placed at"
    console_stop
  done <<'EOF'
-200000 -200000 6500 6500 home
90000 90000 6500 6500 home
1000 abc 6500 6500 home
1000 1000 900000 900000 -
1000 1000 100 100 home
EOF
  position_clear
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  console_folder Window || continue
  position_clear
  # The loader's trace tells when the help viewer's library comes in.
  CONSOLE_WINEDEBUG=+loaddll
  console_open "first start"
  opened=$?
  CONSOLE_WINEDEBUG=
  [ $opened -eq 0 ] || continue
  first_start
  tabs
  placeholder_items
  toolbar
  help_and_about
  help_key "$(ls -t "$TSR_LOG_DIR"/TsrAdmin.*.log | head -n 1)"
  console_close "first start"
  positions
  bad_positions
done
tsr_finish
