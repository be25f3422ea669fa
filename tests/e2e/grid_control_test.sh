#!/usr/bin/env bash
# The grid control in GridDemo.exe (10,000 sample rows), driven as a user
# would: click cells, type into each editor kind, Enter commits and moves on,
# Escape undoes, spin buttons, the header option list sorts, the find box
# finds, and "Save Table" writes the table and the grid's properties.
# Screenshots of every editor, the header list and the find box.
source "$(dirname "$0")/lib.sh"

DEMO=GridDemo.exe
TITLE="Grid Demo"   # by title: an open drop-down list is a window of the program too
GRID=1          # the inner grid window
TEXT=2          # the shared text field
UPDOWN=3        # the spin buttons
COLCOMBO=5      # the header option list
STATUS=200      # the demo's status line: " R<row> C<col>: <text>"

# Pixels of the demo's layout: header and rows 19 high, column edges from
# the widths (600, 1300, 1300, 1300, 1200, 1000, 1300 twips).
COL_LEFT=(0 40 126 213 300 380 446)
COL_WIDTH=(40 86 87 87 80 66 87)
cell_at() { echo "$((${COL_LEFT[$2]} + ${COL_WIDTH[$2]} / 2)),$(($1 * 19 + 9))"; }

demo() { LANG=$TSR_LANG LC_ALL=$TSR_LANG tsr_driver "$@"; }
status() { demo get-text --title "$TITLE" --id "$STATUS" | sed 's/^ //'; }
click_cell() { demo click --title "$TITLE" --id "$GRID" --at "$(cell_at "$1" "$2")"; }
shot() { tsr_screenshot "$1-$TSR_FLAVOUR" >/dev/null; }

edit_text_field() {
  click_cell 3 1
  assert_eq "R3 C1: user00003" "$(status)" "status after clicking row 3, User"
  demo type --title "$TITLE" --id "$GRID" --input "Alic"
  assert_eq "Alic" "$(demo get-text --title "$TITLE" --id "$TEXT")" "text field after typing"
  shot grid-editor-text
  demo key --title "$TITLE" ESCAPE
  assert_eq "user00003" "$(demo get-text --title "$TITLE" --id "$TEXT")" "first Escape puts the cell's text back"
  demo type --title "$TITLE" --id "$TEXT" --clear --input "Alice"
  demo key --title "$TITLE" RETURN
  assert_eq "R3 C2: PC-LAB02" "$(status)" "Enter commits and moves on to Computer"
  shot grid-editor-combo-edit
  demo key --title "$TITLE" ESCAPE
  demo key --title "$TITLE" --id "$GRID" LEFT
  assert_eq "R3 C1: Alice" "$(status)" "the committed text"
}

edit_arithmetic() {
  click_cell 2 5
  demo type --title "$TITLE" --id "$GRID" --input "2*21"
  demo key --title "$TITLE" RETURN
  demo key --title "$TITLE" ESCAPE
  demo key --title "$TITLE" --id "$GRID" LEFT
  assert_eq "R2 C5: 42.00" "$(status)" "2*21 computed and formatted 0.00"
}

edit_spin_and_list() {
  click_cell 4 3
  assert_eq "R4 C3: 12/3/2026" "$(status)" "status on row 4, Date"
  demo key --title "$TITLE" --id "$GRID" RETURN
  shot grid-editor-spin
  # The lower half of the buttons: one day back.
  demo click --title "$TITLE" --id "$UPDOWN" --at 8,15
  assert_eq "12/2/2026" "$(demo get-text --title "$TITLE" --id "$TEXT")" "date after the down button"
  demo key --title "$TITLE" RETURN
  assert_eq "R4 C4: Accepted" "$(status)" "moved on to the Answer list"
  shot grid-editor-list
  demo key --title "$TITLE" ESCAPE
  demo key --title "$TITLE" --id "$GRID" LEFT
  assert_eq "R4 C3: 12/2/2026" "$(status)" "the spun date stored"
}

sort_by_header() {
  demo click --title "$TITLE" --id "$GRID" --at "$(cell_at 0 5)"
  local listing
  listing=$(demo list --title "$TITLE")
  assert_eq 1 "$(awk -F'\t' -v id=$COLCOMBO 'NR > 1 && $3 == id { print $4; exit }' <<<"$listing")" \
    "header option list shown"
  shot grid-header-menu
  # Entries in code order: Sort None, Generic Ascending, Generic Descending,
  # Numeric Ascending, Numeric Descending ...
  for _ in 1 2 3 4 5; do demo key --title "$TITLE" --id "$COLCOMBO" DOWN; done
  demo key --title "$TITLE" --id "$COLCOMBO" RETURN
  assert_eq "R1 C5: 59.5" "$(status)" "largest minutes first after Numeric Descending"
  shot grid-sorted
}

find_box() {
  demo click --title "$TITLE" --text "Find..."
  demo wait-window --title Find >/dev/null
  demo type --title Find --id 101 "user09999"
  demo click --title Find --text "Find Next"
  assert_match "^R[0-9]+ C1: user09999$" "$(status)" "Find Next selects the cell"
  shot grid-find-box
  demo type --title Find --id 101 --clear "no such text"
  demo click --title Find --text "Find Next"
  assert_eq 'Cannot find "no such text".' "$(demo get-text --title Find --id 103)" "find box when nothing matches"
  demo key --title Find --id 101 ESCAPE
}

# Right press on a cell and the item at POSITION of the demo's row menu.
row_menu() {
  local try
  for try in 1 2 3; do
    demo click --title "$TITLE" --id "$GRID" --right --at "$(cell_at "$1" "$2")"
    demo menu --title "$TITLE" "#$3" --timeout 3000 && return 0
  done
  tsr_fail "no row menu after a right press on row $1, column $2"
  return 1
}

clipboard_and_row_menu() {
  demo key --title "$TITLE" --id "$GRID" CTRL+HOME
  assert_eq "R1 C1" "$(status | cut -d: -f1)" "Ctrl+Home goes to the first cell"
  click_cell 2 1
  local copied
  copied=$(status | sed 's/^R2 C1: //')
  demo key --title "$TITLE" --id "$GRID" CTRL+C
  click_cell 6 1
  demo key --title "$TITLE" --id "$GRID" CTRL+V
  assert_eq "R6 C1: $copied" "$(status)" "Ctrl+C in row 2, Ctrl+V in row 6"
  # The owner's pop-up menu on a right press: bold row, then the colour dialog.
  row_menu 6 2 1
  row_menu 6 2 5
  if demo wait-window --title Color --timeout 10000 >/dev/null; then
    shot grid-colour-dialog
    demo click --title Color --text OK
  else
    tsr_fail "no colour dialog"
  fi
  shot grid-bold-row
  assert_eq "R6 C2" "$(status | cut -d: -f1)" "the right-pressed cell is current after the row menu"
}

save_table() {
  demo click --title "$TITLE" --text "Show Info"
  shot grid-info
  demo click --title "$TITLE" --text "Hide Info"
  demo click --title "$TITLE" --text "Save Table"
  assert_file_contains "$TSR_APP_DIR/GridDemo.txt" $'\tAlice\tPC-LAB02\t'
  assert_file_contains "$TSR_APP_DIR/GridDemo.txt" $'\t42.00\t'
  assert_eq 10001 "$(tr '\r' '\n' <"$TSR_APP_DIR/GridDemo.txt" | grep -c .)" \
    "rows saved: 10,000 and the first empty row"
  assert_file_contains "$TSR_APP_DIR/GridDemo.ini" "AllowUserResizing=1"
  assert_file_not_contains "$TSR_APP_DIR/GridDemo.ini" "GridColor="
}

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  tsr_app_folder GridDemo "$(tsr_build_dir)/admin/grid/$DEMO" >/dev/null || continue
  tsr_start "$TSR_APP_DIR" "$DEMO"
  if ! demo wait-window --title "$TITLE" --timeout 30000 >/dev/null; then
    tsr_fail "no Grid Demo window"
    tsr_stop
    continue
  fi
  shot grid-demo
  edit_text_field
  edit_arithmetic
  edit_spin_and_list
  sort_by_header
  find_box
  clipboard_and_row_menu
  save_table
  demo close --title "$TITLE"
  tsr_wait_exit 10
  assert_eq 0 "$TSR_EXIT_CODE" "GridDemo exit code"
done
tsr_finish
