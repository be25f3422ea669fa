# Helpers of the tips, history and speaker scenarios on the tips demo window
# (tests/driver/tips_demo_window.cpp), sourced after lib.sh and window_lib.sh.

DEMO=tips_demo.exe
ID_LOCATION=30001  # the document view's hidden location child

# linked_pages FOLDER: index.html -> a.html -> b.html in FOLDER, each link
# long enough to fill a view's centre, where the driver clicks.
linked_pages() {
  local folder=$1 words
  mkdir -p "$folder"
  words=$(printf 'Follow this link to the next page. %.0s' $(seq 1 300))
  printf '<html><body><p><a href="a.html">INDEX %s</a></p></body></html>\r\n' "$words" >"$folder/index.html"
  printf '<html><body><p><a href="b.html">PAGE A %s</a></p></body></html>\r\n' "$words" >"$folder/a.html"
  printf '<html><body><h1>PAGE B</h1><p>The end.</p></body></html>\r\n' >"$folder/b.html"
}

# demo_folder NAME: a fresh app folder with the demo and the linked pages.
demo_folder() {
  tsr_app_folder "$1" "$(tsr_build_dir)/tests/driver/$DEMO" >/dev/null || return 1
  linked_pages "$TSR_APP_DIR"
}

# demo_open WHAT SETTINGS-LINE...: writes Demo.ini and starts the demo on index.html.
demo_open() {
  local what=$1
  shift
  tsr_write_file "$TSR_APP_DIR/Demo.ini" "$@"
  tsr_start "$TSR_APP_DIR" "$DEMO" "$TSR_APP_WINDIR\\Demo.ini" "$TSR_APP_WINDIR\\index.html"
  if ! tsr_driver wait-window --exe "$DEMO" --timeout 20000 >/dev/null; then
    tsr_fail "$what: the demo window did not appear"
    tsr_stop
    return 1
  fi
  sleep 0.5
}

# The location the document view of EXE (default the demo) shows.
demo_location() { tsr_driver get-text --exe "${1:-$DEMO}" --id "$ID_LOCATION" | tr -d '\r'; }

# demo_expect_location WHAT NAME [EXE]: the view shows NAME (waits a little for it).
demo_expect_location() {
  local what=$1 name=$2 exe=${3:-$DEMO} location tries
  for tries in 1 2 3 4 5 6 7 8 9 10; do
    location=$(demo_location "$exe")
    [[ "$location" == *"/$name" ]] && break
    sleep 0.2
  done
  assert_match "^file:///.*/$name\$" "$location" "$what"
}

# demo_centre ID [EXE]: the screen point at the centre of the control, "x y".
demo_centre() {
  tsr_driver list --exe "${2:-$DEMO}" | tr -d '\r' |
    awk -F'\t' -v id="$1" 'NR > 1 && $3 == id { split($6, r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}

# Visible tooltip windows of EXE (default the demo).
demo_tips() { tsr_driver windows --hidden | tr -d '\r' | awk -F'\t' -v exe="${1:-$DEMO}" '$3 == exe && $4 == 1 && $5 == "tooltips_class32"'; }
