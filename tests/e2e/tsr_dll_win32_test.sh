#!/usr/bin/env bash
# A site's 32-bit Tsr.dll as older compilers export it: only the decorated
# names _SaveDoc@4 and _DeclineAction@0. The 32-bit program must find both.
# Only the win32 flavour can load such a library; where 32-bit programs
# cannot run this scenario is not run (answer_test covers Tsr.dll with the
# undecorated names in every flavour).
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window_lib.sh"

tsr_needs_flavour win32
tsr_prefix win32
library="$(tsr_build_dir)/tests/tsrdll/TsrDecorated.dll"
exports=$(i686-w64-mingw32-objdump -p "$library" | awk '/\[Ordinal\/Name Pointer\] Table/ {on = 1; next} on && NF == 0 {exit} on {print $NF}' | xargs)
assert_eq "_DeclineAction@0 _SaveDoc@4" "$exports" "the test library exports only decorated names"

for answer in accept decline; do
  tsr_app_folder TsrDecorated >/dev/null
  cp "$library" "$TSR_APP_DIR/Tsr.dll"
  tsr_write_file "$TSR_APP_DIR/Tessarin.ini" "Declaration Period Days=0" "Button2 Caption=No, I refuse"
  win_open "$answer with the decorated Tsr.dll" -U anna || continue
  if [ $answer = accept ]; then id=$ID_ACCEPT; else id=$ID_DECLINE; fi
  win_driver click --exe Tessarin.exe --id "$id" >/dev/null
  tsr_wait_exit 15 || { tsr_fail "$answer: the window did not close"; win_stop; continue; }
  assert_eq 0 "$TSR_EXIT_CODE" "$answer: exit code"
  assert_file_contains "$TSR_APP_DIR/TsrDll.log" "SaveDoc["
  assert_file_missing "$TSR_APP_DIR/anna_Declaration"
  if [ $answer = decline ]; then
    assert_file_contains "$TSR_APP_DIR/TsrDll.log" ",  No, I refuse"
    assert_file_contains "$TSR_APP_DIR/TsrDll.log" "DeclineAction"
  fi
done
tsr_finish
